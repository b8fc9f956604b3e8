// The "Font" page: letter size and slant, the engraving font or the TrueType face with its preview.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "fonts/font_families.h"
#include "job/job.h"
#include "job/settings_rules.h"
#include "project/engraving_font_choice.h"
#include "shell/expr_field.h"
#include "shell/latin1.h"
#include "text/settings_dialog.h"

namespace quill {

QWidget* TSettingsDlg::BuildFontPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  EngravingSettings& s = job_.settings;

  auto* size = new QFormLayout;
  size->addRow("Text Height", CheckedNumber(s.TEXTHIGH, "TEXTHIGH", SettingsField::TextHeight));
  size->addRow("Text Width Factor ", CheckedNumber(s.TWFACT, "TWFACT", SettingsField::TextWidthFactor));
  size->addRow("Tilt Angle", CheckedNumber(s.TILTANG, "TILTANG", SettingsField::TiltAngle));
  layout->addLayout(size);

  auto* kind = new QGroupBox("Font Type");
  auto* kindLayout = new QHBoxLayout(kind);
  bind_.Choice({{"Quillmark", 0}, {"Truetype", 1}}, s.BFONTTYPE, kindLayout, [this] { RefreshFont(); });
  layout->addWidget(kind);

  auto* own = new QHBoxLayout;
  ownFontButton_ = new QPushButton("Select Quillmark &Font");
  ownFontButton_->setObjectName("Select Quillmark Font");
  connect(ownFontButton_, &QPushButton::clicked, this, &TSettingsDlg::PickEngravingFont);
  ownFontName_ = new QLabel;
  ownFontName_->setObjectName("EngraveFontFile");
  own->addWidget(ownFontButton_);
  own->addWidget(ownFontName_, 1);
  layout->addLayout(own);

  layout->addWidget(BuildFaceChooser());
  layout->addStretch();
  return page;
}

QWidget* TSettingsDlg::BuildFaceChooser() {
  EngravingSettings& s = job_.settings;
  auto* box = new QGroupBox("Truetype Font");
  auto* layout = new QVBoxLayout(box);
  faces_ = new QComboBox;
  faces_->setObjectName("FONTNAME");
  faceNote_ = new QLabel;
  faceNote_->setObjectName("FaceInUse");
  faceNote_->setWordWrap(true);
  FillFaces();
  connect(faces_, &QComboBox::activated, this, [this](int i) {
    job_.settings.FONTNAME = Latin1(faces_->itemData(i).toString());
    RefreshFont();
  });
  sample_ = new QLabel;
  sample_->setObjectName("sample");
  sample_->setMinimumHeight(48);
  layout->addWidget(faces_);
  layout->addWidget(faceNote_);
  layout->addWidget(sample_);

  trueTypeOptions_ = new QGroupBox("Truetype Font Options");
  auto* options = new QHBoxLayout(trueTypeOptions_);
  options->addWidget(bind_.Check("Bold", s.FONTBOLD, [this] { RefreshFont(); }));
  options->addWidget(bind_.Check("Italics", s.FONTITALICS, [this] { RefreshFont(); }));
  layout->addWidget(trueTypeOptions_);

  auto* wide = new QHBoxLayout;
  specWide_ = bind_.Check("Specify Text Width", s.SPECWIDE, [this] { RefreshFont(); });
  textWide_ = CheckedNumber(s.TEXTWIDE, "TEXTWIDE", SettingsField::TextWidth);
  wide->addWidget(specWide_);
  wide->addWidget(textWide_);
  layout->addLayout(wide);
  return box;
}

// The installed families.  A family the project names that this computer lacks stays chosen at the
// top of the list, so the setting is kept as it is, and the note under the list says which installed
// family the outlines and the preview take in its place.
void TSettingsDlg::FillFaces() {
  constexpr int kStandIn = Qt::UserRole + 1;
  QString current = Latin1(job_.settings.FONTNAME);
  if (faces_->count() == 0) {
    for (const std::string& family : InstalledFontFamilies()) {
      faces_->addItem(QString::fromStdString(family), QString::fromStdString(family));
    }
  }
  if (faces_->count() > 0 && faces_->itemData(0, kStandIn).toBool()) faces_->removeItem(0);
  bool installed = faces_->findData(current) >= 0;
  if (!installed) {
    faces_->insertItem(0, current + " (not installed)", current);
    faces_->setItemData(0, true, kStandIn);
  }
  faces_->setCurrentIndex(faces_->findData(current));
  std::string inUse = installed ? std::string() : FamilyInUse(job_.settings.FONTNAME);
  faceNote_->setText(installed ? QString() : current + " is not installed: " + Latin1(inUse) + " is used");
  faceNote_->setVisible(!installed);
}

void TSettingsDlg::RefreshFont() {
  const EngravingSettings& s = job_.settings;
  FontControls controls = FontKindControls(s);
  FillFaces();
  QFont face(QString::fromLatin1(s.FONTNAME.c_str()), 20);
  face.setBold(controls.sampleStyle == SampleStyle::Bold || controls.sampleStyle == SampleStyle::BoldItalic);
  face.setItalic(controls.sampleStyle == SampleStyle::Italic || controls.sampleStyle == SampleStyle::BoldItalic);
  sample_->setFont(face);
  sample_->setText(QString::fromLatin1(controls.sampleText));
  faces_->setEnabled(controls.trueTypeControls);
  trueTypeOptions_->setEnabled(controls.trueTypeControls);
  specWide_->setEnabled(controls.trueTypeControls);
  ownFontButton_->setEnabled(controls.ownFontButton);
  textWide_->setEnabled(controls.widthField);
  ownFontName_->setText(QString::fromLatin1(job_.paths.EngraveFontFile.c_str()));
}

void TSettingsDlg::PickEngravingFont() {
  QString path = QFileDialog::getOpenFileName(this, "Select Quillmark Font",
                                              QString::fromStdString(EngravingFontFolder(job_.paths)),
                                              "QUILLMARK Fonts (*.QXF *.qxf)");
  if (path.isEmpty()) return;
  ChooseEngravingFont(job_, path.toStdString());
  RefreshFont();
}

}  // namespace quill
