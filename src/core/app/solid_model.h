// "Solid Model": the tool path handed to the outside solid-model verifier as APT text.
#pragma once

namespace quill {

class Job;

// The verifier's program in the folder SolidPath.
inline constexpr const char* VerifierProgram = "NCVERIFY";

// Without a tool path says "Tool Path Has Not Been Created Yet".  Otherwise the view leaves 3D, Extents
// runs so the stock box is the whole job, QUILLPRO.APT is written and the verifier is started on it in
// SolidPath.  True when the verifier was started; every failure has been reported.
bool RunSolidModel(Job& job);

}  // namespace quill
