// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flex as the editor holds it: the three records a save writes, what the option clicks work on
// (the working copies, the personal label record, the option boxes), and the file it belongs to.
// What the window shows around it (page, view, label dialog, status bar) is FormState. A document
// is a plain value: the undo history takes one at the end of each step and puts one back, and a
// copy of it is all it takes to keep or restore the editor's work.
//
// Record and label texts are ANSI (see ansi.hpp).
#include <array>
#include <cstddef>
#include <string>

#include "flex/file_identity.hpp"
#include "flex/records.hpp"
#include "options/option_catalog.hpp"
#include "session/option_box.hpp"

namespace flex {

struct Document {
  RecordSet records;          // the record slots: Base, Call, GPRS label (what a save writes)
  std::string workingBase;    // FlexBase: the Base record as the option clicks edit it
  std::string workingCall;    // FlexCall: the same for the Call record
  std::string personalLabel;  // FlexGprsPersonale: the label record "GPRS Personale" writes
  // The option boxes, by row of the editor's option set: the built-in ones, then the user's
  // (an editor makes room for those).
  OptionBoxes boxes = OptionBoxes(kOptionCount);

  // The file last loaded or saved, empty before the first. Its encoding is the file system's:
  // the bytes open(2) takes, whatever they are (a name need not be UTF-8). The faces convert only
  // at their edge: the window with QFile::encodeName / decodeName, the command line not at all
  // (it takes its arguments as they are and escapes what it prints).
  std::string fileName;
  // What that file was on the disk then, to tell whether another program has changed it since.
  FileIdentity disk;
  // The records as they were when fileName was last loaded or saved (the built-in flex before).
  RecordSet baseline;

  // True while the records differ from what was last loaded or saved.
  bool modified() const { return records != baseline; }

  // What a step of the undo history puts back: these texts and the boxes. The file name, its
  // identity and the baseline stay, since they describe the file on the disk, which undo does not
  // touch.
  static constexpr std::size_t kTextCount = 6;
  std::array<std::string*, kTextCount> texts() {
    return {&records[0], &records[1], &records[2], &workingBase, &workingCall, &personalLabel};
  }
  std::array<const std::string*, kTextCount> texts() const {
    return {&records[0], &records[1], &records[2], &workingBase, &workingCall, &personalLabel};
  }

  bool operator==(const Document&) const = default;
};

}  // namespace flex
