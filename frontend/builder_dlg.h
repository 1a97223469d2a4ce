// The builder dialog: the author picks an event, names its Begin and Loop sources, adds the handler,
// and builds out.orv from all handlers.
#ifndef ORV_FRONTEND_BUILDER_DLG_H_
#define ORV_FRONTEND_BUILDER_DLG_H_

#include <string>

#include "file_drop.h"
#include "handler_table.h"
#include "platform/dialog.h"
#include "set_aside_file.h"

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

 private:
  // --- handlers, one per control action
  void OnAdd();
  void OnRemove();
  void OnSelchangeHandled();
  void OnBuild();
  void OnBrowse(SourceBox box);

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
  // While a build runs (its error boxes included) no handler may act on the table.
  bool building_ = false;
};

#endif  // ORV_FRONTEND_BUILDER_DLG_H_
