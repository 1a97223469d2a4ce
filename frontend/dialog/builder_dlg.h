// The builder dialog: the author picks an event, names its Begin and Loop sources, adds the handler,
// and builds out.orv from all handlers.
#ifndef ORV_FRONTEND_DIALOG_BUILDER_DLG_H_
#define ORV_FRONTEND_DIALOG_BUILDER_DLG_H_

#include <string>

#include "builder_placement.h"
#include "handler_table.h"
#include "platform/dialog.h"
#include "saved_set.h"
#include "set_aside_file.h"
#include "source_edit.h"

class OutputLock;

// The one handler table of the process: made by the dialog's initialisation, never deleted.
extern CHandlerTable* g_handlerTable;

class CBuilderDlg : public CDialog {
 public:
  // Binds template 102 and loads the application icon.
  CBuilderDlg();

 protected:
  // --- hooks
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnPaint() override;
  HICON OnQueryDragIcon() override;
  void OnDropFiles(const CWnd& droppedOn, const CDroppedFiles& files) override;
  void OnSize(int type, int width, int height) override;
  // Every way out (Exit, Enter, Esc, the close button, Alt+F4) comes by one of these two.
  void OnOK() override;
  void OnCancel() override;
  bool OnQueryEndSession() override;
  void OnSessionHeld() override;
  void OnEndSession(bool ending) override;

 private:
  // --- handlers, one per control action
  void OnAdd();
  void OnRemove();
  void OnSelchangeHandled();
  void OnBuild();
  void OnBrowse(SourceEdit edit);
  void OnOpen();
  void OnSave();

  // Opens the script file (a full path) as the list's handlers, asking first when the list holds some.
  void OpenHandlerSet(const std::string& file);
  // Ends the dialog with result, once the user has saved the handlers or let them go where they are
  // unsaved.
  void Leave(int result);
  // Whether the list's handlers, which are unsaved, may go now: asks to save them first, before closing
  // or, with `opening` a file's name, before opening it. True for No, and for Yes once they are saved;
  // false for Cancel and for a save that did not come about.
  bool AskToSave(const std::string& opening);
  // The file to save the handlers to, picked in the Save dialog; false when the user cancels it.
  bool AskWhereToSave(std::string* file);
  // Writes the list's handlers to the file (a full path); false, having said why, when it did not.
  bool SaveTo(const std::string& file);
  // The caption names the set's file and marks the list's unsaved changes.
  void ShowSetInCaption();
  // Says in the status line and in a message box why nothing was opened or saved.
  void Refuse(const std::string& text);

  // Waits, painting, until no other build of out.orv holds its lock, then takes it.
  void WaitForTurn(OutputLock* turn);
  // While a build runs, or waits for its turn: the dialog disabled, the status painted now. EndBusy
  // drops the input given meanwhile and gives the focus back.
  CWnd BeginBusy(const char* status);
  void EndBusy(const CWnd& focus);

  // Tells the user where their script.txt is when it could not be put back.
  void SayIfNotPutBack(bool putBack, const SetAsideFile& usersScript);

  // Shows the text in the status line; with paintNow, on the screen before this returns.
  void SetStatus(const std::string& text, bool paintNow = false);

  HICON icon_;
  BuilderPlacement placement_;
  // While a build runs or waits for its turn, its error boxes included, no handler acts: no Add,
  // Remove, Browse, drop, Open or Save.
  bool busy_ = false;
  // The set last opened or saved, which Save proposes again and the list is measured against.
  SavedSet saved_;
  // The template's caption, which the set's name goes before.
  std::string programCaption_;
  // While the question before handlers go is up, or the Save dialog it opened: no second question.
  bool asking_ = false;
};

#endif  // ORV_FRONTEND_DIALOG_BUILDER_DLG_H_
