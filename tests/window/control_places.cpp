#include "control_places.h"

#include "child_output.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

std::map<std::string, ControlPlace> ControlPlacesFrom(const std::string& replay) {
  char pattern[] = "/tmp/control-places-XXXXXX";
  if (mkdtemp(pattern) == nullptr)
    return {};
  const std::string command = "echo dump | " + replay + " --dir " + pattern + " -";
  const std::string out = Capture(command);
  std::error_code ignored;
  std::filesystem::remove_all(pattern, ignored);
  // NAME KIND HANDLE LEFT,TOP,WIDTHxHEIGHT parent=NAME|- ...
  std::map<std::string, ControlPlace> own;
  std::map<std::string, std::string> parent_of;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string name, kind, handle, rect, parent;
    if (!(words >> name >> kind >> handle >> rect >> parent))
      continue;
    ControlPlace place;
    char comma = 0, times = 0;
    std::istringstream numbers(rect);
    if (!(numbers >> place.left >> comma >> place.top >> comma >> place.width >> times >>
          place.height))
      continue;
    own[name] = place;
    if (parent.rfind("parent=", 0) == 0 && parent != "parent=-")
      parent_of[name] = parent.substr(7);
  }
  std::map<std::string, ControlPlace> places = own;
  for (const auto& [name, parent] : parent_of) {
    const auto it = own.find(parent);
    if (it == own.end())
      continue;
    places[name].left += it->second.left;
    places[name].top += it->second.top;
  }
  return places;
}

ControlPlace PlaceOf(const std::string& control) {
  static const std::map<std::string, ControlPlace> places = ControlPlacesFrom(REPLAY_BINARY);
  static const ControlPlace nowhere;
  const auto it = places.find(control);
  if (it == places.end()) {
    ADD_FAILURE() << "no " << control << " in the replay driver's dump (" << places.size()
                  << " controls)";
    return nowhere;
  }
  return it->second;
}
