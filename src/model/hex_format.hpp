#pragma once
#include <string>
#include <string_view>

namespace flex {

// Character position (from 1) of the first data byte: the 22-byte header is not shown.
inline constexpr std::size_t kDataStart = 45;
inline constexpr std::size_t kHeaderLength = 44;
inline constexpr std::size_t kPairsPerLine = 16;
inline constexpr std::string_view kRuler = "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F";

// Cuts a text into pairs of characters separated by one blank, no blank at the end.
std::string f_spaziatura(std::string_view text);

// The formatted view of a record: f_spaziatura of its characters 45 to the end
// (empty for a record of 44 characters or fewer).
std::string formattedView(std::string_view record);

}  // namespace flex
