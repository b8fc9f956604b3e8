// The class names under which the main window's commands find their windows in the WindowDirectory,
// and what a command calls the window when this build has none.
#pragma once

namespace quill::window_class {

// The windows of the text entry and settings.
inline constexpr const char* Settings = "TSettingsDlg";
inline constexpr const char* TextEditor = "TTedForm";
inline constexpr const char* SerialNumbers = "TSerialNumDlg";
inline constexpr const char* MergeData = "TMergeDataDlg";
inline constexpr const char* Preferences = "TPrefsDlg";
// The windows of the stages.
inline constexpr const char* TextPath = "TGenForm";
inline constexpr const char* ToolPath = "TGenTpathDlg";
inline constexpr const char* NcGenerator = "TNCPOSTForm";
inline constexpr const char* NcSetup = "TPostSetForm";
inline constexpr const char* NcEditor = "TNCEditor";
inline constexpr const char* SolidModel = "TSolidModel";
// The artwork windows.
inline constexpr const char* ArtWorkshop = "TArtWorkshop";
inline constexpr const char* ModifyArtwork = "TModifyArtDlg";
inline constexpr const char* RaisedLetters = "TRaisedLettersDlg";
inline constexpr const char* ScanTrace = "TScanForm";
inline constexpr const char* RefFrame = "TRefFrameDlg";
// The main window's own windows.
inline constexpr const char* View3DSetup = "TView3DSetupDlg";
inline constexpr const char* Simulate = "TSimulateForm";
inline constexpr const char* ProjectProperties = "TProjectPropertiesDlg";
inline constexpr const char* About = "TAboutBox";

}  // namespace quill::window_class
