#include "overlay/board_snapshot.h"

#include "services/control_model.h"
#include "services/utf8.h"

namespace {

// What a text shows as UTF-8 with "\n" for each line break (CR LF and a lone CR too).
std::string ShownUtf8(const Text& text) {
  const std::string utf8 = ValidUtf8(Utf8FromText(text));
  std::string shown;
  shown.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n')
        ++i;
      shown += '\n';
    } else {
      shown += utf8[i];
    }
  }
  return shown;
}

bool ShowsLeadColour(const ControlModel& model, const Team& team, Colour trailing) {
  const Control* score = model.Find(team.score);
  const Control* lead = model.Find(team.lead_colour);
  return score != nullptr && lead != nullptr && score->text_colour == lead->picked_colour &&
         lead->picked_colour != trailing;
}

}  // namespace

std::string LeaderShown(const ControlModel& model) {
  const Control* trailing_picker = model.Find(kTrailingColour);
  const Colour trailing = trailing_picker ? trailing_picker->picked_colour : kDefaultColour;
  const bool lollipop = ShowsLeadColour(model, kLollipop, trailing);
  const bool duck = ShowsLeadColour(model, kYellowDuck, trailing);
  if (lollipop == duck)
    return {};
  return lollipop ? "lollipop" : "duck";
}

BoardValues TakeBoardValues(const ControlModel& model) {
  BoardValues values;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    const BoardField& field = kBoardFields[i];
    if (field.control == 0) {
      values[i] = LeaderShown(model);
    } else if (const Control* c = model.Find(field.control)) {
      values[i] = ShownUtf8(c->text);
    }
  }
  return values;
}
