#include "overlay/board_feed.h"

#include <algorithm>

namespace {

// Every control a value is read from, and the colours that decide the leader.
constexpr auto kWatched = [] {
  std::array<ControlId, kBoardFieldCount + 3> ids{};
  std::size_t n = 0;
  for (const BoardField& field : kBoardFields) {
    if (field.control != 0)
      ids[n++] = field.control;
  }
  ids[n++] = kLollipop.lead_colour;
  ids[n++] = kYellowDuck.lead_colour;
  ids[n++] = kTrailingColour;
  return ids;
}();

}  // namespace

BoardFeed::BoardFeed(PublishedBoard& board) : board_(board) {}

void BoardFeed::PublishNow(const ControlModel& model) {
  taker_.Update(model);
  board_.Publish(taker_.values());
}

bool BoardFeed::Watches(ControlId control) const {
  return control != 0 && std::find(kWatched.begin(), kWatched.end(), control) != kWatched.end();
}

void BoardFeed::Settled(const ControlModel& model) {
  if (taker_.Update(model))
    board_.Publish(taker_.values());
}
