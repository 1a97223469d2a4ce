// The builder dialog: the author picks an event, names its Begin and Loop sources, adds the handler,
// and builds out.orv from all handlers.
#ifndef ORV_FRONTEND_DIALOG_BUILDER_DLG_H_
#define ORV_FRONTEND_DIALOG_BUILDER_DLG_H_

#include <string>

#include "builder_layout.h"
#include "handler_table.h"
#include "platform/dialog.h"
#include "set_aside_file.h"
#include "source_box.h"

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

 private:
  // --- handlers, one per control action
  void OnAdd();
  void OnRemove();
  void OnSelchangeHandled();
  void OnBuild();
  void OnBrowse(SourceBox box);
  void OnOpen();
  void OnSave();

  // Opens the script file (a full path) as the list's handlers, asking first when the list holds some.
  void OpenHandlerSet(const std::string& file);
  // Says in the status line and in a box why nothing was opened or saved.
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
  BuilderLayout layout_;
  // While a build runs or waits for its turn, its error boxes included, no handler acts: no Add,
  // Remove, Browse, drop, Open or Save.
  bool busy_ = false;
  // The script file last opened or saved (a full path), which Save proposes again; empty before.
  std::string lastSetFile_;
};

#endif  // ORV_FRONTEND_DIALOG_BUILDER_DLG_H_
