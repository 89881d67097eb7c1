// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/option_set.hpp"

namespace flex {
namespace {

// A user's option on the third page: one column, as the built-in pages place theirs.
constexpr int kFirstTop = 360;
constexpr int kRowStep = 240;

OptionDef userRow(const UserOption& option, std::size_t k) {
  OptionDef row;
  row.id = option.id;
  row.caption = option.caption;
  row.toolTip = option.toolTip;
  row.record = option.record;
  row.position = option.position;
  int mask = 0;
  for (std::size_t i = 0; i < option.bits.size() && i < kMaxOptionBits; ++i) {
    row.bits[i] = option.bits[i];
    mask |= 1 << (option.bits[i] - 1);
  }
  // Ticked when every listed bit holds what ticking writes.
  row.tickedWrites = option.tickedSets ? 1 : 0;
  row.clearedWrites = option.tickedSets ? 0 : 1;
  row.readRule = option.tickedSets ? ReadRule::AllSet : ReadRule::MaskClear;
  row.readMask = mask;
  row.gated = option.gated;
  const int place = static_cast<int>(k);
  row.layout = {3, kFirstTop + kRowStep * place, 0, place};
  row.user = true;
  return row;
}

}  // namespace

OptionSet::OptionSet() : OptionSet(std::vector<UserOption>{}) {}

OptionSet::OptionSet(std::vector<UserOption> user) : user_(std::move(user)) {
  const auto builtin = optionCatalog();
  rows_.assign(builtin.begin(), builtin.end());
  const auto idOrder = optionsById();
  order_.assign(idOrder.begin(), idOrder.end());
  for (std::size_t k = 0; k < user_.size(); ++k) {
    rows_.push_back(userRow(user_[k], k));
    order_.push_back(kOptionCount + k);
  }
}

std::shared_ptr<const OptionSet> OptionSet::builtinOnly() {
  static const std::shared_ptr<const OptionSet> set = std::make_shared<const OptionSet>();
  return set;
}

std::optional<std::size_t> OptionSet::find(std::string_view id) const {
  for (std::size_t row = 0; row < rows_.size(); ++row)
    if (rows_[row].id == id) return row;
  return std::nullopt;
}

}  // namespace flex
