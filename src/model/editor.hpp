#pragma once
// The state of the main window and its label dialog, and every action a person can take on
// them. Event rules: assigning a check box's state runs its click handling at once, nested, to
// its end, and only when the state changes; every assignment of a preview's text runs its
// change handling (the formatted boxes are rebuilt).
//
// Record and label texts are ANSI (see ansi.hpp); status and message texts are UTF-8.
#include <array>
#include <cstddef>
#include <string>

#include "files/flex_file.hpp"
#include "model/editor_view.hpp"
#include "options/option_catalog.hpp"

namespace flex {

struct CheckBoxState {
  int Value = 0;      // 1 ticked, 0 clear
  bool flag = false;  // toggle flag: inverted at the start of every click, read as "ticked"
};

struct EditorState {
  std::array<std::string, 3> txtpreview;  // the record slots: Base, Call, GPRS label
  std::array<std::string, 3> formatted;   // txtFlexBase, txtFlexCall, txtFlexGprs
  std::string FlexBase;
  std::string FlexCall;
  std::string FlexGprs;
  std::string FlexGprsNull;
  std::string FlexGprsPersonale;
  bool ModificheAttive = false;
  std::array<CheckBoxState, kOptionCount> boxes;  // by catalogue row
  CheckBoxState CheckFormattazioneTesto{1, true};  // "Formattazione Testo"
  bool formattedViewVisible = true;  // the formatted boxes show, the raw previews are hidden
  int selectedTab = 1;                             // 1 "Pagina 1", 2 "Pag. 2"
  bool frmPagina1Visible = false;
  bool frmPagina2Visible = false;
  std::string statusText;      // status bar panel 1
  bool labelDialogOpen = false;
  std::string txt1;            // the label dialog's text
  // The file last loaded or saved (UTF-8 path, empty before the first) and the records as they
  // were then: the built-in flex at start-up, the file's lines after a load, what was written
  // after a save.
  std::string fileName;
  std::array<std::string, 3> baseline;
};

enum class FileOutcome { Done, Cancelled, Failed };

inline constexpr std::string_view kFileErrorTitle = "Errore File";
inline constexpr std::string_view kInterlockPrompt =
    "E' possibile attivare questa opzione solo disabilitando GPRS Null";
inline constexpr std::string_view kInterlockTitle = "Errore di Incoerenza";
inline constexpr std::string_view kLabelLengthPrompt = "Puoi inserire massimo 12 caratteri!";
inline constexpr std::string_view kLabelLengthTitle = "Errore di Lunghezza";

class Editor {
 public:
  explicit Editor(EditorView& view);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  const EditorState& state() const { return s_; }
  // True while the records differ from what was last loaded or saved.
  bool modified() const { return s_.txtpreview != s_.baseline; }

  // --- main window ---
  void Form_Load();    // start-up: built-in flex, page 1, readback
  void Form_Unload();  // the main window closes: the label dialog closes with it
  void userClick(std::size_t row);        // a person clicks option `row` of the catalogue
  void setOptionValue(std::size_t row, int value);  // code assigns the box's state
  void CheckFormattazioneTesto_Click();   // a person clicks "Formattazione Testo"
  void TabStrip1_Click(int tabIndex);     // a person selects tab 1 or 2
  void editRaw(std::size_t slot, std::string ansiText);  // a hand edit of a raw preview
  FileOutcome mnuApri_Click();            // "Apri Flex"
  FileOutcome openFile(const std::string& name);  // "Apri Flex" with `name` already chosen
  FileOutcome mnuSalva_Click();           // "Salva Flex..." / "Genera File FLEX"
  // Whether a save keeps a file's previous content as NAME~: once per file in this editor's
  // life, before its first replacement, so that NAME~ holds what it held before. Off at start.
  void setKeepBackups(bool keep) { keepBackups_ = keep; }
  bool keepsBackups() const { return keepBackups_; }
  void mnuFlexInterna_Click();            // "Carica Flex Interna"
  void AggiornaOpzioni();                 // the option readback
  void GPRS_Personale();                  // encodes txt1 into the personal label record

  // --- label dialog (frmGPRS) ---
  // The dialog's text becomes `ansiText` (typing, pasting); longer than 12 characters it is
  // refused with a message and cut to its first 12. False when the dialog is not open.
  bool txt1_Change(std::string ansiText);
  bool cmdOKGPRS_Click();  // OK; false when the dialog is not open
  bool closeLabelDialog();  // its close box; false when the dialog is not open

 private:
  class Action;  // notifies the view once an outermost action ends

  void showBuiltinRecords();
  void setPreview(std::size_t slot, std::string text);
  void txtpreview_Change();
  void clickHandling(std::size_t row);
  void gprsNullBlock(bool ticked);
  void gprsPersonaleBlock(bool ticked);
  void showLabelDialog();
  void unloadLabelDialog();
  void message(std::string_view prompt, std::string_view title);
  std::string& workingCopy(RecordKind kind);

  EditorView& view_;
  EditorState s_;
  int depth_ = 0;
  bool keepBackups_ = false;
  BackupLog backups_;  // the files backed up (or created) by this editor's saves
};

}  // namespace flex
