// Scanners through SANE's scanimage program (Debian package sane-utils): the devices it finds, and a
// scan of one of them into a picture.  The program runs on its own, so a scanner driver that hangs or
// fails never takes the program with it, and Cancel stops it.
//
// QUILLMAR.INI, section SCANNER: DEVICE, RESOLUTION and MODE keep the last choice; PROGRAM names
// another scanimage.
#pragma once

#include <string>
#include <vector>

#include "pixels/bmp.h"

namespace quill {

class Job;
class Ui;

struct ScannerDevice {
  std::string name;  // SANE's device name, e.g. "test:0" or "epson2:libusb:001:004"
  std::string vendor, model, type;

  // "vendor model (type) - name"
  std::string Label() const;
};

struct ScanSettings {
  std::string program = "scanimage";
  std::string device;         // empty: the first device found
  int resolution = 300;       // dots per inch
  std::string mode = "Gray";  // SANE's scan mode: "Lineart", "Gray" or "Color"
};

inline constexpr const char* ScannerSection = "SCANNER";

ScanSettings ReadScanSettings(const Job& job);
void WriteScanSettings(const Job& job, const ScanSettings& settings);

struct ScannerList {
  std::vector<ScannerDevice> devices;
  bool ok = false;  // false: the list could not be made (the reason was shown)
};

// The devices SANE finds; none found is said to the operator.
ScannerList ListScanners(Ui& ui, const ScanSettings& settings);

// Reads a scanimage device list made with ScannerListFormat.
std::vector<ScannerDevice> ParseScannerList(const std::string& output);
extern const char* const ScannerListFormat;

// Scans into workFile (a TIFF file) and reads it; an empty picture when the scan failed (the reason
// was shown) or was cancelled.
Picture Scan(Ui& ui, const ScanSettings& settings, const std::string& workFile);

}  // namespace quill
