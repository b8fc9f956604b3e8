// The keys of one machine's section in QPOSTS.INI, each listed once.  The post-processor's reader, the
// "NC-Code Generator Setup" window's model and the window's controls are all driven by this table: a
// key's name, how it is held, its default when the section lacks it, where the setup window's default
// differs on purpose, the control that shows it, and the fields of the two readers that hold it.
#pragma once

#include <span>
#include <string>
#include <variant>

#include "nc/machine_definition.h"
#include "nc/machine_setup.h"

namespace quill {

enum class KeyShape {
  Number,  // an integer; the setup window shows it as typed text
  Flag,    // "1" or "0"; the post-processor takes it as on exactly when it is 1
  Text,    // a code, a register letter or a block written as it stands
  Choice,  // an integer the setup window shows as a list item (-1 none), a button or a mode
};

struct MachineKey {
  const char* key;
  KeyShape shape;
  // Default for an absent key in the post-processor: a number (Number, Flag, Choice) or a text.
  int number = 0;
  const char* text = "";
  // Numbers that follow another key when absent: FFORMAT the value of FORMAT, FDIGL that of DIGL.
  const char* follows = nullptr;
  // The setup window's own default, where it differs on purpose from the post-processor's: it shows
  // what a new machine should get, while the post-processor keeps reading sections written long ago.
  const char* setupDefault = nullptr;
  // Flags the setup window shows as checked for any value but 0 (the others only for 1).
  bool anyNonZero = false;
  // The setup window's control (its object name); none for the choices it builds itself.
  const char* control = nullptr;
  // A choice as the setup window shows it, and the value it writes back for what is shown.
  int (*shown)(int value) = nullptr;
  int (*saved)(int shown) = nullptr;
  std::variant<int MachineDefinition::*, bool MachineDefinition::*, std::string MachineDefinition::*> definition;
  std::variant<std::monostate, int MachineSetup::*, bool MachineSetup::*, std::string MachineSetup::*> setup;
};

// Every key, in the order the setup window writes them.
std::span<const MachineKey> MachineKeys();

}  // namespace quill
