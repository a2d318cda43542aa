// Probes of the profile, the level, its items, the player and the particles;
// the `steer` command, which holds the arrow keys that bring the player to
// an item or a point; and `playlevel`, which starts a new game at a given
// level on a new play screen.
#include <array>
#include <cmath>
#include <vector>

#include "framework/game.h"
#include "game/game_screen.h"
#include "game/level.h"
#include "game/player.h"
#include "game/profile.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "session.h"

namespace qs {

namespace {

constexpr int DEFAULT_STEER_LIMIT = 600;
constexpr int MOST_ZUMBELS = 12;
constexpr int MOST_HAZARDS = 10;
constexpr std::array<Int, 4> ARROWS = {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN};

// The index-th value of the list (from 0), or Null.
Ref<TSprite> ItemAt(const Ref<TList>& list, int index) {
  if (!list) return nullptr;
  for (const auto& item : list->Each<TSprite>()) {
    if (index-- == 0) return item;
  }
  return nullptr;
}

// "" while the object is missing.
template <class T, class Field>
std::string Read(const Ref<T>& object, Field T::*field) {
  return object ? Number((*object).*field) : "";
}

std::string FogCleared() {
  if (!level) return "";
  int cleared = 0;
  for (Int cell : level->fog) cleared += cell;
  return Number(cleared);
}

// Items that break the placement rules: outside the field between the bars,
// in the start square, or overlapping an item placed before them.
std::string Misplaced() {
  if (!level || !level->zumbelList || !level->hazardList) return "";
  std::vector<Ref<TSprite>> placed;
  int misplaced = 0;
  const auto wrong = [&](const TSprite& item) {
    const Int left = ToInt(item.x) - item.w2;
    const Int top = ToInt(item.y) - item.h2;
    const Int midX = level->width / 2;
    const Int midY = level->height / 2;
    const bool outside = left < 1 || left + item.width > level->width || top < 51 ||
                         top + item.height > level->height - 50;
    const bool central =
        item.x >= midX - 80 && item.x < midX + 80 && item.y >= midY - 80 && item.y < midY + 80;
    return outside || central;
  };
  for (const auto& list : {level->zumbelList, level->hazardList}) {
    for (const auto& item : list->Each<TSprite>()) {
      bool bad = wrong(*item);
      for (const auto& earlier : placed) bad = bad || item->CollideSprite(earlier) != 0;
      misplaced += bad ? 1 : 0;
      placed.push_back(item);
    }
  }
  return Number(misplaced);
}

void RegisterItem(const std::string& kind, int index, Ref<TList> TLevel::*list) {
  const std::string prefix = kind + "." + std::to_string(index) + ".";
  for (Float TSprite::*field : {&TSprite::x, &TSprite::y}) {
    const std::string axis = field == &TSprite::x ? "x" : "y";
    RegisterProbe(
        prefix + axis, ProbeKind::Number,
        [index, list, field](const Session&) {
          return level ? Read(ItemAt((*level).*list, index), field) : "";
        },
        false);
  }
}

void RegisterProfileAndLevel() {
  RegisterProbe("profile.level", ProbeKind::Number,
                [](const Session&) { return Read(profile, &TProfile::level); });
  RegisterProbe("profile.lives", ProbeKind::Number,
                [](const Session&) { return Read(profile, &TProfile::lives); });
  RegisterProbe("profile.score", ProbeKind::Number,
                [](const Session&) { return Read(profile, &TProfile::score); });
  RegisterProbe("level.timeLeft", ProbeKind::Number,
                [](const Session&) { return Read(level, &TLevel::timeLeft); });
  RegisterProbe("level.timeLimit", ProbeKind::Number,
                [](const Session&) { return Read(level, &TLevel::timeLimit); });
  RegisterProbe("level.goal", ProbeKind::Number,
                [](const Session&) { return level && profile ? Number(level->GetGoal()) : ""; });
  RegisterProbe("level.zumbels", ProbeKind::Number, [](const Session&) {
    return level && level->zumbelList ? Number(level->zumbelList->Count()) : "";
  });
  RegisterProbe("level.hazards", ProbeKind::Number, [](const Session&) {
    return level && level->hazardList ? Number(level->hazardList->Count()) : "";
  });
  RegisterProbe("level.misplaced", ProbeKind::Number, [](const Session&) { return Misplaced(); });
  RegisterProbe("level.fogCleared", ProbeKind::Number, [](const Session&) { return FogCleared(); });
}

void RegisterFogAndItems() {
  const Ref<TLevel> shape = New<TLevel>();
  const Int columns = shape->width / TLevel::FOG_SIZE;
  const Int rows = shape->height / TLevel::FOG_SIZE;
  for (Int column = 0; column < columns; ++column) {
    for (Int row = 0; row < rows; ++row) {
      RegisterProbe(
          "fog." + std::to_string(column) + "." + std::to_string(row), ProbeKind::Number,
          [column, row](const Session&) { return level ? Number(level->FogAt(column, row)) : ""; },
          false);
    }
  }
  for (int index = 0; index < MOST_ZUMBELS; ++index) {
    RegisterItem("zumbel", index, &TLevel::zumbelList);
  }
  for (int index = 0; index < MOST_HAZARDS; ++index) {
    RegisterItem("hazard", index, &TLevel::hazardList);
  }
}

void RegisterPlayerAndParticles() {
  RegisterProbe("player.x", ProbeKind::Number,
                [](const Session&) { return Read<TSprite>(player, &TSprite::x); });
  RegisterProbe("player.y", ProbeKind::Number,
                [](const Session&) { return Read<TSprite>(player, &TSprite::y); });
  RegisterProbe("player.collected", ProbeKind::Number,
                [](const Session&) { return Read(player, &TPlayer::collected); });
  RegisterProbe("player.goal", ProbeKind::Number,
                [](const Session&) { return Read(player, &TPlayer::goal); });
  RegisterProbe("player.visionRadius", ProbeKind::Number,
                [](const Session&) { return Read(player, &TPlayer::visionRadius); });
  RegisterProbe("player.deathAnimCounter", ProbeKind::Number,
                [](const Session&) { return Read(player, &TPlayer::deathAnimCounter); });
  RegisterProbe("player.successAnimCounter", ProbeKind::Number,
                [](const Session&) { return Read(player, &TPlayer::successAnimCounter); });
  RegisterProbe("particles", ProbeKind::Number, [](const Session&) {
    const auto& list = TGameScreen::particleList;
    return list ? Number(list->Count()) : "";
  });
}

// The target of one `steer` line: an item of the level, or a point.
struct SteerTarget {
  Ref<TList> TLevel::*list = nullptr;  // Null: the point
  int index = 0;
  int pointX = 0;
  int pointY = 0;
  int limit = DEFAULT_STEER_LIMIT;
};

std::string ParseSteer(const Line& line, SteerTarget& target) {
  auto words = line.words;
  if (words.size() == 4 && words[2] == "within") {
    if (!ParseInt(words[3], target.limit) || target.limit < 0) return "within expects a number";
    words.resize(2);
  }
  if (words.size() != 2) return "expects zumbel I, hazard I or X Y, then optionally within N";
  if (words[0] == "zumbel" || words[0] == "hazard") {
    target.list = words[0] == "zumbel" ? &TLevel::zumbelList : &TLevel::hazardList;
    if (!ParseInt(words[1], target.index) || target.index < 0) return "not an index: " + words[1];
    return "";
  }
  if (!ParseInt(words[0], target.pointX) || !ParseInt(words[1], target.pointY)) {
    return "not a point: " + words[0] + " " + words[1];
  }
  return "";
}

// -1, 0 or 1: the way from the span [from, from + size) to [to, to + toSize).
int Toward(Int from, Int size, Int to, Int toSize) {
  if (from + size <= to) return 1;
  if (from >= to + toSize) return -1;
  return 0;
}

// Directions (x, y) that bring the player's hit box onto the item's.
std::array<int, 2> TowardItem(const TSprite& item) {
  const auto edge = [](Float position, Int offset) {
    return ToInt(position + static_cast<Float>(offset));
  };
  const TPlayer& self = *player;
  return {Toward(edge(self.x, self.hitBoxX), self.hitBoxWidth, edge(item.x, item.hitBoxX),
                 item.hitBoxWidth),
          Toward(edge(self.y, self.hitBoxY), self.hitBoxHeight, edge(item.y, item.hitBoxY),
                 item.hitBoxHeight)};
}

// Directions (x, y) toward the point, 0 once within one step of it.
std::array<int, 2> TowardPoint(const SteerTarget& target) {
  const auto way = [](Float from, int to) {
    const Float distance = static_cast<Float>(to) - from;
    if (std::fabs(distance) < static_cast<Float>(TPlayer::STARTING_SPEED)) return 0;
    return distance > 0.0f ? 1 : -1;
  };
  return {way(player->x, target.pointX), way(player->y, target.pointY)};
}

// Holds exactly the arrows of the directions; an arrow that a key flush
// released is pressed again.
class Arrows {
 public:
  void Hold(std::array<int, 2> way) {
    const std::array<bool, 4> wanted = {way[0]<0, way[1]<0, way[0]> 0, way[1]> 0};
    for (size_t i = 0; i < ARROWS.size(); ++i) {
      if (!wanted[i]) {
        Release(i);
      } else if (!held_[i] || !KeyDown(ARROWS[i])) {
        Release(i);
        platform::test::PressKey(ARROWS[i]);
        held_[i] = true;
      }
    }
  }
  ~Arrows() {
    for (size_t i = 0; i < ARROWS.size(); ++i) Release(i);
  }

 private:
  void Release(size_t i) {
    if (held_[i]) platform::test::ReleaseKey(ARROWS[i]);
    held_[i] = false;
  }
  std::array<bool, 4> held_ = {};
};

void Steer(Session& session, const Line& line) {
  SteerTarget target;
  ParseSteer(line, target);
  if (session.Ended() || !level || !player || !profile) {
    return session.Record(line, false, "no level is being played");
  }
  const Ref<TSprite> item = target.list ? ItemAt((*level).*target.list, target.index) : nullptr;
  if (target.list && !item) return session.Record(line, false, "no such item");
  const Ref<TList> list = target.list ? (*level).*target.list : nullptr;
  const Int lives = profile->lives;
  // A zumbel touched leaves its list; a hazard touched costs a life.
  const auto reached = [&] {
    if (!item) return TowardPoint(target) == std::array<int, 2>{0, 0};
    if (target.list == &TLevel::zumbelList) return !list->Contains(item.get());
    return profile->lives < lives || player->deathAnimCounter > 0;
  };
  Arrows arrows;
  for (int passes = 0;; ++passes) {
    if (reached()) return session.Record(line, true, "");
    if (passes >= target.limit) break;
    arrows.Hold(item ? TowardItem(*item) : TowardPoint(target));
    if (!session.Pass()) break;
  }
  session.Record(line, false,
                 "player at " + Number(player->x) + "," + Number(player->y) +
                     (session.Ended() ? " (the game ended)" : " (limit reached)"));
}

// A fresh profile at the level given, then a new play screen.
void PlayLevel(Session& session, const Line& line) {
  if (session.Ended()) return;
  int number = 1;
  ParseInt(line.words[0], number);
  profile = TProfile::Create();
  profile->level = number;
  game->ChangeScreen(TGameScreen::Create());
}

void RegisterCommands() {
  RegisterCommand("steer", {Phase::Run,
                            [](const Line& line) {
                              SteerTarget target;
                              return ParseSteer(line, target);
                            },
                            Steer});
  RegisterCommand("playlevel", {Phase::Run,
                                [](const Line& line) {
                                  int number = 0;
                                  return line.words.size() == 1 &&
                                                 ParseInt(line.words[0], number) && number > 0
                                             ? ""
                                             : std::string("expects a level number");
                                },
                                PlayLevel});
}

const bool registered = [] {
  RegisterProfileAndLevel();
  RegisterFogAndItems();
  RegisterPlayerAndParticles();
  RegisterCommands();
  return true;
}();

}  // namespace

}  // namespace qs
