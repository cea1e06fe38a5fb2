#pragma once
// The record slots: 51 fixed file names beside the program, slot 0 without a number.
#include <array>
#include <string_view>

#include "services/platform_paths.h"
#include "services/text.h"

inline constexpr int kLastSlot = 50;

// "游戏数据保存.txt", "游戏数据保存1.txt" ... "游戏数据保存50.txt", as a program text.
Text SlotFileName(int slot);
// The slot's name as the platform names files in the run directory.
NativePath SlotName(int slot);

// The seven keys of a record in their order, with the section they live in.
inline constexpr std::string_view kRecordSection = "保存";
struct RecordKey {
  std::string_view name;  // UTF-8
};
inline constexpr std::array<RecordKey, 7> kRecordKeys = {{
    {"时间"},
    {"棒棒糖队友"},
    {"小黄鸭队友"},
    {"棒棒糖数量"},
    {"小黄鸭数量"},
    {"刷豆总数"},
    {"主持费"},
}};
