#include "overlay/board_snapshot.h"

#include "services/control_model.h"
#include "services/utf8.h"

std::string ShownUtf8(const Text& text) {
  // Digits and Latin text (most values) are the same bytes in UTF-8.
  bool plain = true;
  for (const char c : text) plain = plain && c != '\r' && static_cast<unsigned char>(c) < 0x80;
  if (plain)
    return text;
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

namespace {

// Which score shows its leading colour: score and lead picker of each team, then the
// trailing colour's picker (any may be missing).
std::string Leader(const std::array<const Control*, 5>& c) {
  const Colour trailing = c[4] != nullptr ? c[4]->picked_colour : kDefaultColour;
  auto shows_lead = [&](const Control* score, const Control* lead) {
    return score != nullptr && lead != nullptr && score->text_colour == lead->picked_colour &&
           lead->picked_colour != trailing;
  };
  const bool lollipop = shows_lead(c[0], c[1]);
  const bool duck = shows_lead(c[2], c[3]);
  if (lollipop == duck)
    return {};
  return lollipop ? "lollipop" : "duck";
}

std::array<const Control*, 5> LeadControls(const ControlModel& model) {
  return {model.Find(kLollipop.score), model.Find(kLollipop.lead_colour),
          model.Find(kYellowDuck.score), model.Find(kYellowDuck.lead_colour),
          model.Find(kTrailingColour)};
}

}  // namespace

std::string LeaderShown(const ControlModel& model) {
  return Leader(LeadControls(model));
}

BoardValues TakeBoardValues(const ControlModel& model) {
  BoardValuesTaker taker;
  taker.Update(model);
  return taker.values();
}

void BoardValuesTaker::FindControls(const ControlModel& model) {
  model_ = &model;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i)
    controls_[i] = kBoardFields[i].control != 0 ? model.Find(kBoardFields[i].control) : nullptr;
  colours_ = LeadControls(model);
}

bool BoardValuesTaker::Update(const ControlModel& model) {
  if (model_ != &model)
    FindControls(model);
  bool changed = !taken_;
  taken_ = true;
  for (std::size_t i = 0; i < kBoardFieldCount; ++i) {
    const BoardField& field = kBoardFields[i];
    if (field.control == 0) {
      std::string leader = Leader(colours_);
      if (leader != values_[i]) {
        values_[i] = std::move(leader);
        changed = true;
      }
      continue;
    }
    const Control* c = controls_[i];
    const Text& text = c != nullptr ? c->text : texts_[i];
    if (text == texts_[i])  // an empty text was empty from the start
      continue;
    texts_[i] = text;
    std::string shown = ShownUtf8(text);
    if (shown != values_[i]) {
      values_[i] = std::move(shown);
      changed = true;
    }
  }
  return changed;
}
