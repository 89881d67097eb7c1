// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options an editor offers: the 33 rows of the built-in table, then the user's own options
// (from an options file, see option_file.hpp) as rows of the same kind. Click handling, readback,
// the byte inspector, the comparison of two flexes, the command line and the window all read one
// set, so a user's option behaves as a built-in one wherever it shows.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "flex/records.hpp"
#include "options/option_catalog.hpp"

namespace flex {

// A bit option the user named in an options file. Its texts are the user's own (UTF-8), shown as
// they are and never translated.
struct UserOption {
  std::string id;
  std::string caption;
  std::string toolTip;
  RecordKind record = RecordKind::Base;  // Base or Call
  std::size_t position = 1;              // character position (from 1, odd) of the byte
  std::vector<int> bits;                 // 1..8, each once, in the order written
  bool tickedSets = true;                // "ticked sets" (else "ticked clears")
  bool gated = false;
  bool operator==(const UserOption&) const = default;
};

class OptionSet {
 public:
  OptionSet();                                       // the built-in options only
  explicit OptionSet(std::vector<UserOption> user);  // the built-in options, then these
  // The rows point into the set's own texts: a set is moved or shared, never copied.
  OptionSet(const OptionSet&) = delete;
  OptionSet& operator=(const OptionSet&) = delete;
  OptionSet(OptionSet&&) = default;
  OptionSet& operator=(OptionSet&&) = default;

  // One set of the built-in options, shared by every editor that has no user options.
  static std::shared_ptr<const OptionSet> builtinOnly();

  std::size_t size() const { return rows_.size(); }
  std::size_t userCount() const { return rows_.size() - kOptionCount; }
  const OptionDef& operator[](std::size_t row) const { return rows_[row]; }
  std::span<const OptionDef> rows() const { return rows_; }
  std::span<const UserOption> userOptions() const { return user_; }

  // The row of an option by its id: "Check1(0)" or a user's id.
  std::optional<std::size_t> find(std::string_view id) const;
  // Rows in the order lists show them: Check1(0) ... Check5(13), then the user's in file order.
  std::span<const std::size_t> byId() const { return order_; }

 private:
  std::vector<UserOption> user_;
  std::vector<OptionDef> rows_;
  std::vector<std::size_t> order_;
};

}  // namespace flex
