#include "job/settings_keys.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <string_view>

#include "job/job.h"
#include "job/settings_rules.h"
#include "job/settings_values.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {
namespace {

using Settings = EngravingSettings;

int ReadInteger(Job& job, const std::string& v) {
  return RoundToInt(TextToDouble(job.ui, v));
}
std::string BoolText(bool on) {
  return on ? "1" : "0";
}

template <std::string Settings::*M>
constexpr SettingKey Text(const char* key, SettingForm form = SettingForm::FieldText) {
  return {key, form, [](const Job& j) { return j.settings.*M; },
          [](Job& j, const std::string& v) {
            j.settings.*M = v;
            return StoreResult::Stored;
          }};
}

template <int I>
constexpr SettingKey PsEdit(const char* key) {
  return {key, SettingForm::FieldText, [](const Job& j) { return j.settings.PSEDIT[I]; },
          [](Job& j, const std::string& v) {
            j.settings.PSEDIT[I] = v;
            return StoreResult::Stored;
          }};
}

// An integer spin field: the value is rounded and kept within the field's range.
template <std::string Settings::*M, int Min, int Max>
constexpr SettingKey Spin(const char* key) {
  return {key, SettingForm::SpinInt, [](const Job& j) { return j.settings.*M; },
          [](Job& j, const std::string& v) {
            int n = std::clamp(ReadInteger(j, v), Min, Max);
            j.settings.*M = IntToText(n);
            return StoreResult::Stored;
          }};
}

// A check box or a pair of radio buttons, held as bool or as 0/1.
template <auto M>
constexpr SettingKey Flag(const char* key) {
  return {key, SettingForm::Bool, [](const Job& j) { return BoolText(j.settings.*M != 0); },
          [](Job& j, const std::string& v) {
            j.settings.*M = ReadInteger(j, v) != 0;
            return StoreResult::Stored;
          }};
}

template <int Settings::*M, int Min, int Max>
constexpr SettingKey Choice(const char* key) {
  return {key, SettingForm::Choice, [](const Job& j) { return IntToText(j.settings.*M); },
          [](Job& j, const std::string& v) {
            int n = ReadInteger(j, v);
            if (n < Min || n > Max) return StoreResult::Unchanged;
            j.settings.*M = n;
            return StoreResult::Stored;
          }};
}

template <std::string Settings::*M>
constexpr SettingKey Fixed4(const char* key) {
  return {key, SettingForm::Fixed4, [](const Job& j) { return FormatFixed(NumberOr(j.settings.*M, 0.0), 4); },
          [](Job& j, const std::string& v) {
            std::optional<double> n = StrictToDouble(v);
            if (n && std::isfinite(*n)) {
              j.settings.*M = v;
            } else {
              TextToDouble(j.ui, v);  // gives the number parser's warning
              j.settings.*M = "0.0";
            }
            return StoreResult::Stored;
          }};
}

// Selecting "Along a Curve" also moves the justification, as clicking the button does.
StoreResult StoreTextMode(Job& j, const std::string& v) {
  int n = ReadInteger(j, v);
  if (n < ModeLinear || n > ModeCurve) return StoreResult::Unchanged;
  SelectTextMode(j.settings, n);
  return StoreResult::Stored;
}

StoreResult StoreToolShape(Job& j, const std::string& v) {
  std::optional<int> n = IntegerText(v);
  if (!n) {
    j.ui.Error("'" + v + "' is not a valid integer value");
    return StoreResult::Stop;
  }
  if (*n < ShapeFlat || *n > ShapeCone) return StoreResult::Unchanged;
  j.settings.TSHAPE = *n;
  return StoreResult::Stored;
}

StoreResult StorePointCount(Job& j, const std::string& v) {
  // The table holds at most CurvePointCount points; a larger count from a file is held to that.
  j.settings.CurvePoints = std::clamp(ReadInteger(j, v), 0, CurvePointCount);
  j.settings.ACNPTS = v;
  return StoreResult::Stored;
}

std::string TipAngleLine(const Job& j) {
  double angle = j.settings.TSHAPE == ShapeFlat ? 0.0 : NumberOr(j.settings.TLCR, 0.0);
  return FormatFixed(angle, 5);
}

StoreResult StoreFontFile(Job& j, const std::string& v) {
  size_t slash = v.find_last_of("/\\");
  j.paths.EngraveFontFile = slash == std::string::npos ? v : v.substr(slash + 1);
  return StoreResult::Stored;
}

constexpr std::array kWritten{
    SettingKey{"ACNPTS", SettingForm::PointCount, [](const Job& j) { return IntToText(j.settings.CurvePoints); },
               StorePointCount},
    Text<&Settings::XSTART>("XSTART"),
    Text<&Settings::YSTART>("YSTART"),
    Text<&Settings::TANGLE>("TANGLE"),
    Text<&Settings::TWFACT>("TWFACT"),
    Text<&Settings::TEXTHIGH>("TEXTHIGH"),
    Text<&Settings::TEXTWIDE>("TEXTWIDE"),
    Text<&Settings::FCTOL>("FCTOL"),
    Text<&Settings::XEND>("XEND"),
    Text<&Settings::YEND>("YEND"),
    Text<&Settings::CHRSPACE>("CHRSPACE"),
    Text<&Settings::WSPACE>("WSPACE"),
    Text<&Settings::LSPACE>("LSPACE"),
    Text<&Settings::TILTANG>("TILTANG"),
    Flag<&Settings::OUTARCS>("OUTARCS"),
    Flag<&Settings::ACPERP>("ACPERP"),
    Flag<&Settings::BCTNOFIT>("BCTNOFIT"),
    Flag<&Settings::BCSPACE>("BCSPACE"),
    Flag<&Settings::MIRROR>("MIRROR"),
    Flag<&Settings::VERTICAL>("VERTICAL"),
    Flag<&Settings::BFONTTYPE>("BFONTTYPE"),
    Flag<&Settings::SPECWIDE>("SPECWIDE"),
    Spin<&Settings::SNUMSTART, -2000000000, 2000000000>("SNUMSTART"),
    Spin<&Settings::SNUMEND, -2000000000, 2000000000>("SNUMEND"),
    Spin<&Settings::SNUMINC, 1, 99999>("SNUMINC"),
    Spin<&Settings::SNUMDIG, INT_MIN, INT_MAX>("SNUMDIG"),
    Choice<&Settings::SNUMIPAD, PadNone, PadZeros>("SNUMIPAD"),
    Text<&Settings::SNUMPREFIX>("SNUMPREFIX", SettingForm::Name),
    Text<&Settings::SNUMSUFFIX>("SNUMSUFFIX", SettingForm::Name),
    PsEdit<0>("PSEDIT1"),
    PsEdit<1>("PSEDIT2"),
    PsEdit<2>("PSEDIT3"),
    PsEdit<3>("PSEDIT4"),
    PsEdit<4>("PSEDIT5"),
    PsEdit<5>("PSEDIT6"),
    PsEdit<6>("PSEDIT7"),
    PsEdit<7>("PSEDIT8"),
    PsEdit<8>("PSEDIT9"),
    Choice<&Settings::PSPROJECTNORM, 0, 1>("PSPROJECTNORM"),
    Choice<&Settings::PSTOPBOT, 0, 1>("PSTOPBOT"),
    Choice<&Settings::PSSURFTYPE, 0, 3>("PSSURFTYPE"),
    Choice<&Settings::TJUST, JustLeft, JustFull>("TJUST"),
    SettingKey{"TTYPE", SettingForm::Choice, [](const Job& j) { return IntToText(j.settings.TTYPE); }, StoreTextMode},
    SettingKey{"RFRAME", SettingForm::Bool, [](const Job& j) { return BoolText(j.flags.RefFrameOn); },
               [](Job& j, const std::string& v) {
                 j.flags.RefFrameOn = ReadInteger(j, v) != 0;
                 return StoreResult::Stored;
               }},
    Fixed4<&Settings::RFX>("RFX"),
    Fixed4<&Settings::RFY>("RFY"),
    Fixed4<&Settings::RFXX>("RFXX"),
    Fixed4<&Settings::RFYY>("RFYY"),
    Text<&Settings::FONTNAME>("FONTNAME", SettingForm::Name),
    SettingKey{"WFONTNAME", SettingForm::FontFile, [](const Job& j) { return j.paths.EngraveFontFile; }, StoreFontFile},
    Flag<&Settings::FONTBOLD>("FONTBOLD"),
    Flag<&Settings::FONTITALICS>("FONTITALICS"),
    Text<&Settings::ZDEPTH>("ZDEPTH"),
    Text<&Settings::ZCLEAR>("ZCLEAR"),
    Text<&Settings::ZPERPASS>("ZPERPASS"),
    Text<&Settings::ZTOP>("ZTOP"),
    Text<&Settings::CFEED>("CFEED"),
    Text<&Settings::ZFEED>("ZFEED"),
    Text<&Settings::TOOLDIA>("TOOLDIA"),
    Text<&Settings::ROTRAD>("ROTRAD"),
    SettingKey{"TLCR", SettingForm::TipAngle, TipAngleLine,
               [](Job& j, const std::string& v) {
                 j.settings.TLCR = v;
                 return StoreResult::Stored;
               }},
    SettingKey{"TSHAPE", SettingForm::StrictChoice, [](const Job& j) { return IntToText(j.settings.TSHAPE); },
               StoreToolShape},
};

constexpr std::array kReadOnly{
    SettingKey{"CMACHINE", SettingForm::Name, [](const Job& j) { return j.paths.MachineName; },
               [](Job& j, const std::string& v) {
                 j.paths.MachineName = v;
                 return StoreResult::Stored;
               }},
};

}  // namespace

std::span<const SettingKey> WrittenSettingKeys() {
  return kWritten;
}
std::span<const SettingKey> ReadOnlySettingKeys() {
  return kReadOnly;
}

const SettingKey* FindSettingKey(const std::string& key) {
  for (auto table : {WrittenSettingKeys(), ReadOnlySettingKeys()}) {
    for (const SettingKey& k : table) {
      if (key == k.key) return &k;
    }
  }
  return nullptr;
}

}  // namespace quill
