#pragma once
// Where each control sits in the window's client area, as the replay driver dumps the
// catalogue (the same source the Wine and packaging scripts click by), group box offsets
// included: a test clicks a control by its name, never by coordinates of its own.
#include <map>
#include <string>

struct ControlPlace {
  int left = 0, top = 0, width = 0, height = 0;
  int centre_x() const { return left + width / 2; }
  int centre_y() const { return top + height / 2; }
};

// The places from `replay --dir FOLDER -` given "dump"; empty when the driver failed.
std::map<std::string, ControlPlace> ControlPlacesFrom(const std::string& replay);

// One control's place from the dump of REPLAY_BINARY (read once); a test fails loudly,
// with the name, for a control the dump lacks. A copy: small, and never a reference that
// outlives the name it was asked by.
ControlPlace PlaceOf(const std::string& control);
