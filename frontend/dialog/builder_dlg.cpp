#include "builder_dlg.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "build_engine.h"
#include "build_status.h"
#include "event_table.h"
#include "file_drop.h"
#include "handler_set.h"
#include "orv_writer.h"
#include "output_lock.h"
#include "platform/dropped_files.h"
#include "platform/file_dialog.h"
#include "platform/file_names.h"
#include "platform/labels.h"
#include "platform/list_box.h"
#include "platform/paint_dc.h"
#include "platform/pending_input.h"
#include "resource.h"
#include "script_file.h"
#include "set_aside_file.h"
#include "source_edits.h"
#include "windows_path.h"

CHandlerTable* g_handlerTable = nullptr;

namespace {

const char kSaveError[] = "Error saving file";
// Proposed by Save until a set has been opened or saved, in the current folder.
const char kFirstSetName[] = "handlers.txt";
const std::vector<std::pair<std::string, std::string>> kScriptFilters = {{"Scripts (*.txt)", "*.txt"},
                                                                         {"All files (*.*)", "*.*"}};
// How often a build waiting for its turn looks again; the system tells no one when a lock is let go.
constexpr unsigned kTurnPollMs = 50;

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local != nullptr ? *local : std::tm{};
}

// The dialog's handled-events list box, as the handler table keeps it in step with its records.
class HandledListBox : public ListControl {
 public:
  explicit HandledListBox(CListBox list) : list_(list) {}

  void AddString(const char* text) override { list_.AddString(text); }
  void DeleteString(int index) override { list_.DeleteString(index); }

 private:
  CListBox list_;
};

// The dialog's build: a failure goes to the status line first, so the line no longer says the build is
// running while the box is up, then to the Error box, owned by the dialog. Owned, the box stays in
// front of the dialog for the window manager too, and a click on the disabled dialog brings the box
// forward rather than leaving it hidden behind a dialog that takes no input, which looks like a hung
// program.
class DialogBuildReporter : public BuildReporter {
 public:
  explicit DialogBuildReporter(const CWnd& dialog) : dialog_(dialog) {}

  // The build keeps the dialog disabled; the box enables it, and it stays so. The window manager hands
  // the dialog the keyboard only once the box has gone, some time later, and a dialog disabled again
  // by then refuses it: it would look active to Windows while no window had the keyboard. What remains
  // of the build takes no input either way: nothing reads it before the build drops it.
  void Failure(const BuildFailure& failure) override {
    SayFailed(failure.text);
    std::fflush(stdout);
    // Keys given while the build computed were not meant for a box that was not there: an Enter among
    // them would dismiss it before the user saw it.
    DiscardPendingInput();
    dialog_.MessageBoxA(failure.text.c_str(), "Error", MB_OK | MB_ICONSTOP);
  }
  // The hand-over script gone before the build read it: said in the status line alone.
  void ScriptNotOpened(const std::string& script, OpenFailure) override { SayFailed(ReadErrorText(script)); }

 private:
  void SayFailed(const std::string& failure) const {
    dialog_.GetDlgItem(IDC_STATUS).SetWindowTextA(FailureStatus(failure, LocalTimeNow()).c_str());
  }

  CWnd dialog_;
};

}  // namespace

// The icon is shared by the system: never destroyed.
CBuilderDlg::CBuilderDlg()
    : CDialog(IDD_BUILDER_DIALOG), icon_(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP_ICON))) {}

bool CBuilderDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  programCaption_ = GetWindowTextA();
  FitLabelsToText(*this);
  NameListsAfterLabels(*this);
  // Given after the labels are fitted, so the status line keeps its width whatever its text.
  SetStatus(FolderStatus(CurrentFolder()));
  AcceptSourceDrops(*this);
  SetIcon(icon_, true);
  SetIcon(icon_, false);

  // The table lives until the process ends and holds on to its list, so the list's wrapper is never
  // freed either; once the dialog is gone nothing calls the table.
  g_handlerTable = new CHandlerTable(*new HandledListBox(CListBox(GetDlgItem(IDC_HANDLED_LIST))));

  CListBox events(GetDlgItem(IDC_EVENT_LIST));
  for (int id = 0; id < kEventCount; ++id) events.AddString(EventName(id));
  events.SelectString(-1, EventName(0));
  AddCtrlShortcut('O', IDC_OPEN);
  AddCtrlShortcut('S', IDC_SAVE);
  placement_.Start(*this);
  SetMinimumSize(placement_.MinimumSize());
  // Placed before it is shown: the window manager takes the place with the window.
  CentreOnWorkArea(*this);
  return true;
}

bool CBuilderDlg::OnCommand(int id, int code) {
  if (id == IDC_HANDLED_LIST) {
    if (code != LBN_SELCHANGE) return false;
    OnSelchangeHandled();
    return true;
  }
  // Every other control the dialog answers is a button, and answered only when clicked.
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ADD:
      OnAdd();
      return true;
    case IDC_REMOVE:
      OnRemove();
      return true;
    case IDC_BUILD:
      OnBuild();
      return true;
    case IDC_BROWSE_BEGIN:
    case IDC_BROWSE_LOOP:
      OnBrowse(id == IDC_BROWSE_LOOP ? SourceEdit::kLoop : SourceEdit::kBegin);
      return true;
    case IDC_OPEN:
      OnOpen();
      return true;
    case IDC_SAVE:
      OnSave();
      return true;
  }
  return false;
}

void CBuilderDlg::OnAdd() {
  if (busy_) return;
  const int eventId = CListBox(GetDlgItem(IDC_EVENT_LIST)).GetCurSel();
  if (eventId < 0) return;

  const std::string begin = SourceEditText(*this, SourceEdit::kBegin);
  const std::string loop = SourceEditText(*this, SourceEdit::kLoop);
  std::string why;
  if (!g_handlerTable->AddHandler(eventId, begin.c_str(), loop.c_str(), static_cast<int>(begin.size()),
                                  static_cast<int>(loop.size()), &why))
    MessageBoxA(why.c_str());
  ShowSetInCaption();
}

void CBuilderDlg::OnRemove() {
  if (busy_) return;
  const int index = CListBox(GetDlgItem(IDC_HANDLED_LIST)).GetCurSel();
  if (index >= 0) g_handlerTable->RemoveHandler(index);
  ShowSetInCaption();
}

void CBuilderDlg::OnSelchangeHandled() {
  CListBox handled(GetDlgItem(IDC_HANDLED_LIST));
  const int index = handled.GetCurSel();
  if (index < 0) return;
  CListBox(GetDlgItem(IDC_EVENT_LIST)).SelectString(-1, handled.GetText(index).c_str());
  GetDlgItem(IDC_BEGIN_EDIT).SetWindowTextA(g_handlerTable->GetBeginPath(index));
  GetDlgItem(IDC_LOOP_EDIT).SetWindowTextA(g_handlerTable->GetLoopPath(index));
}

void CBuilderDlg::OnBuild() {
  if (busy_) return;
  // Builds of out.orv take turns, other dialogs' and orvtool's alike: this one's from setting the user's
  // script.txt aside until it is back, so no other build takes the hand-over script for the user's, and
  // none holds out.orv open while this one renames its new file over it.
  OutputLock turn;
  if (turn.TryTake(kOutputFileName) == OutputLock::kBusy) WaitForTurn(&turn);
  // A script.txt of the user's own would be written over by the hand-over script and then deleted: it
  // makes way for the build and comes back after it, whatever the build's outcome.
  SetAsideFile usersScript(kScriptFileName);
  if (!usersScript.MoveAside() || !g_handlerTable->WriteScript()) {
    SetStatus(kSaveError);
    MessageBoxA(kSaveError);
    SayIfNotPutBack(usersScript.PutBack(), usersScript);
    return;
  }
  // The thread reads no messages until the build is over.
  const CWnd focus = BeginBusy(kBuildingStatus);
  DialogBuildReporter reporter(*this);
  const BuildOutcome outcome = BuildFromScript(&reporter);
  std::remove(kScriptFileName);
  const bool putBack = usersScript.PutBack();
  // A failure was in the status line as it came, with the time it came.
  if (outcome.written) SetStatus(BuiltStatus(outcome, LocalTimeNow()));
  EndBusy(focus);
  SayIfNotPutBack(putBack, usersScript);
}

void CBuilderDlg::WaitForTurn(OutputLock* turn) {
  // The other build may wait on an Error box for as long as its user leaves it up; this dialog keeps
  // painting meanwhile, and says why it does nothing.
  const CWnd focus = BeginBusy(kWaitingStatus);
  do HandleAllButInput(kTurnPollMs);
  while (turn->TryTake(kOutputFileName) == OutputLock::kBusy);
  EndBusy(focus);
}

CWnd CBuilderDlg::BeginBusy(const char* status) {
  // Disabled, error boxes included: no second build, Add, Remove, Open or Save can start inside it.
  busy_ = true;
  const CWnd focus = CWnd::GetFocus();
  SetStatus(status, true);
  EnableWindow(false);
  return focus;
}

void CBuilderDlg::EndBusy(const CWnd& focus) {
  // Clicks and keys given meanwhile were queued, not refused: carried out now, a click on Build ORV
  // would build again and one on Exit would quit. Dropped while the dialog is still disabled.
  DiscardPendingInput();
  EnableWindow(true);
  if (focus.GetSafeHwnd() != nullptr) focus.SetFocus();
  busy_ = false;
}

void CBuilderDlg::SayIfNotPutBack(bool putBack, const SetAsideFile& usersScript) {
  if (putBack) return;
  const std::string kept = "Your script.txt could not be put back; it is kept as " + usersScript.asideName() + ".";
  MessageBoxA(kept.c_str());
}

void CBuilderDlg::SetStatus(const std::string& text, bool paintNow) {
  CWnd status = GetDlgItem(IDC_STATUS);
  status.SetWindowTextA(text.c_str());
  if (paintNow) status.UpdateWindow();
}

void CBuilderDlg::OnBrowse(SourceEdit edit) {
  if (busy_) return;
  BrowseForSource(*this, edit);
}

void CBuilderDlg::OnDropFiles(const CWnd& droppedOn, const CDroppedFiles& files) {
  if (busy_) return;
  const std::vector<std::string> paths = files.Paths();
  const bool anyFolder = std::any_of(paths.begin(), paths.end(), IsFolder);
  if (IsHandlerSetDrop(paths, anyFolder)) {
    OpenHandlerSet(paths[0]);
    return;
  }
  FillFromDrop(*this, droppedOn, paths, anyFolder);
}

void CBuilderDlg::OnOpen() {
  if (busy_) return;
  const CFileDialog open{CFileDialog::kOpen, "Open handlers", kScriptFilters};
  std::string file;
  if (open.DoModal(*this, ExistingFolderOf(saved_.file()), std::string(), &file)) OpenHandlerSet(file);
}

void CBuilderDlg::OpenHandlerSet(const std::string& file) {
  const std::string name = FileNameOf(file);
  std::vector<ScriptHandler> handlers;
  const auto read = [&] {
    std::string why;
    if (ReadHandlerSetFile(file, {CurrentFolder(), FolderOfFile(file)}, &handlers, &why)) return true;
    Refuse("Cannot open " + name + ". " + why);
    return false;
  };
  if (!read()) return;
  // Handlers the author defined are never lost unasked: unsaved ones are offered a save, the set's own
  // give way once the author says so.
  const int inList = g_handlerTable->GetCount();
  if (saved_.IsUnsaved(g_handlerTable->Handlers())) {
    // Saved, they may have gone into this very file.
    if (!AskToSave(name) || !read()) return;
  } else if (inList > 0 && MessageBoxA(ReplaceQuestion(inList, static_cast<int>(handlers.size()), name).c_str(),
                                       nullptr, MB_OKCANCEL) != IDOK) {
    return;
  }
  const int inFile = static_cast<int>(handlers.size());
  if (!g_handlerTable->ReplaceAll(handlers)) {
    Refuse("Cannot open " + name + ". The list cannot take its handlers.");
    return;
  }
  saved_.Take(file, handlers);
  ShowSetInCaption();
  // The edits show the first handler's paths, not those of what was there before.
  if (inFile > 0) {
    CListBox(GetDlgItem(IDC_HANDLED_LIST)).SetCurSel(0);
    OnSelchangeHandled();
  }
  SetStatus(HandlerSetStatus(SetAction::kOpened, inFile, name, LocalTimeNow()));
}

void CBuilderDlg::OnSave() {
  if (busy_) return;
  std::string file;
  if (AskWhereToSave(&file)) SaveTo(file);
}

bool CBuilderDlg::AskWhereToSave(std::string* file) {
  const std::string proposed = saved_.file().empty() ? FullPathFrom(CurrentFolder(), kFirstSetName) : saved_.file();
  const CFileDialog save{CFileDialog::kSave, "Save handlers", kScriptFilters, "txt"};
  return save.DoModal(*this, FolderOfFile(proposed), FileNameOf(proposed), file);
}

bool CBuilderDlg::SaveTo(const std::string& file) {
  const std::string name = FileNameOf(file);
  const std::vector<ScriptHandler> listed = g_handlerTable->Handlers();
  std::vector<ScriptHandler> handlers = listed;
  std::string why;
  if (!PathsForScript(&handlers, {CurrentFolder(), FolderOfFile(file)}, &why)) {
    Refuse("Cannot save " + name + ". " + why + " Nothing was written.");
    return false;
  }
  if (!WriteScriptFile(file, handlers)) {
    Refuse("Error saving " + name + ": it could not be written. Any file of that name was left as it was.");
    return false;
  }
  // The set's paths as the edits show them, which the list is measured by, not as the file has them.
  saved_.Take(file, listed);
  ShowSetInCaption();
  SetStatus(HandlerSetStatus(SetAction::kSaved, static_cast<int>(handlers.size()), name, LocalTimeNow()));
  return true;
}

void CBuilderDlg::ShowSetInCaption() {
  const bool unsaved = saved_.IsUnsaved(g_handlerTable->Handlers());
  SetWindowTextA(SetCaption(programCaption_, FileNameOf(saved_.file()), unsaved).c_str());
}

void CBuilderDlg::OnOK() { Leave(IDOK); }

void CBuilderDlg::OnCancel() { Leave(IDCANCEL); }

void CBuilderDlg::Leave(int result) {
  const bool unsaved = saved_.IsUnsaved(g_handlerTable->Handlers());
  // One question at a time; and none in the middle of a build, which drops a way out as it drops clicks.
  if (asking_ || (unsaved && busy_)) return;
  if (unsaved && !AskToSave(std::string())) return;
  EndDialog(result);
}

bool CBuilderDlg::AskToSave(const std::string& opening) {
  asking_ = true;
  const std::string question = SaveQuestion(g_handlerTable->GetCount(), FileNameOf(saved_.file()), opening);
  const int answer = MessageBoxA(question.c_str(), nullptr, MB_YESNOCANCEL);
  bool mayGo = answer == IDNO;
  if (answer == IDYES) {
    // As Save... saves, but straight into the set's file where it has one.
    std::string file = saved_.file();
    mayGo = (!file.empty() || AskWhereToSave(&file)) && SaveTo(file);
  }
  asking_ = false;
  // An ending session held back for the answer waits on it no longer.
  LetSessionEnd();
  return mayGo;
}

bool CBuilderDlg::OnQueryEndSession() {
  if (!saved_.IsUnsaved(g_handlerTable->Handlers())) return true;
  HoldSessionEnd(NotSavedReason(g_handlerTable->GetCount()));
  return false;
}

// Asked as the close button asks, unless a question is up already, or a build runs.
void CBuilderDlg::OnSessionHeld() { Leave(IDCANCEL); }

void CBuilderDlg::OnEndSession(bool ending) {
  // Ending regardless, the process goes once this returns, whatever box is up; no file is left half
  // written. The thread writes nothing while it answers messages, and what it writes, a set or
  // out.orv, goes in beside its place and is renamed into it. Only a build stopped on its Error box
  // leaves, as ever, the hand-over script.txt and the user's own set aside.
  if (!ending) LetSessionEnd();
}

void CBuilderDlg::Refuse(const std::string& text) {
  SetStatus(TimedStatus(text, LocalTimeNow()));
  MessageBoxA(text.c_str());
}

void CBuilderDlg::OnSize(int type, int, int) {
  if (type != SIZE_MINIMIZED) placement_.Follow(*this);
}

bool CBuilderDlg::OnPaint() {
  if (!IsIconic()) return false;
  CPaintDC dc(*this);
  dc.EraseIconBackground();
  RECT client;
  GetClientRect(&client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  dc.DrawIcon(x, y, icon_);
  return true;
}

HICON CBuilderDlg::OnQueryDragIcon() { return icon_; }
