// The executor: runs command strings, built-in commands first; the first
// command it does not know goes, with the rest of the string, to the
// application handler.
#include <QApplication>

#include "app/skForm.h"
#include "controls/skButtons.h"
#include "controls/skFlash.h"
#include "controls/skInputs.h"
#include "controls/skLabels.h"
#include "controls/skPanels.h"
#include "controls/skPopMenu.h"
#include "viewers/skHTML.h"
#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "skUseStract.h"
#include "util/Cp1251.h"
#include "util/Messages.h"
#include "util/skUtils.h"
#include "util/uUtils.h"

namespace kv {
namespace {

// Height and screen position of a button, for menus that open below it.
RHelpAction ActionAt(const std::string& text, const QWidget* control) {
  const QPoint corner = control->mapToGlobal(QPoint(0, 0));
  return RHelpAction{text, control->height(), corner.x(), corner.y()};
}

}  // namespace

void TSkStract::RunCommandString(const std::string& text) { ExecuteAction(RHelpAction{text, 0, 0, 0}); }

void TSkStract::ExecuteAction(const RHelpAction& action) {
  const TSkCommand parsed(action.Text);
  // The interpreter may be freed by a command (a closing window); stop then.
  QPointer<TSkStract> alive(this);
  for (const RCommand& command : parsed.All()) {
    if (!alive) return;
    if (command.Name == "nil") continue;
    // form_close without a result ends the program: nothing after it runs.
    const bool endsProgram = command.Name == "form_close" && command.Args.empty();
    if (RunBuiltIn(command, action)) {
      if (endsProgram) return;
      continue;
    }
    if (!OnAppCommand) continue;
    const int index = static_cast<int>(&command - parsed.All().data());
    std::string text = parsed.CommandText(index);
    if (!command.Rest.empty()) text += "//" + command.Rest;
    RHelpAction forward{text, action.Height, action.X, action.Y};
    OnAppCommand(forward);
    return;
  }
}

bool TSkStract::RunBuiltIn(const RCommand& command, const RHelpAction& action) {
  const std::string& name = command.Name;
  const std::string a1 = CommandArgument(command.Args, 0);
  const std::string a2 = CommandArgument(command.Args, 1);
  if (name == "click_but") {
    if (auto* button = GetButton(a1)) FireControl(button);
  } else if (name == "click_spbut") {
    if (auto* button = GetSpButton(a1)) FireControl(button);
  } else if (name == "spbutton_down") {
    if (auto* button = GetSpButton(a1)) button->SetDown(ParseBool(a2, true));
  } else if (name == "form_close") {
    if (a1.empty()) {
      // The whole program ends at once; nothing after this command runs.
      QApplication::exit(0);
      FForm->close();
      return true;
    }
    const int result = StrToInt(a1);
    if (auto* modal = qobject_cast<TfrmFORM*>(FForm)) modal->CloseWithResult(result);
    else FForm->close();
  } else if (name == "form_mini") {
    FForm->showMinimized();
  } else if (name == "form_maxi") {
    FForm->ToggleMaximise();
    FForm->update();
  } else if (name == "form_show") {
    if (!a1.empty()) FormShow(a1);
  } else if (name == "menu_del_favore") {
    // Favourites come with the trees; without a list there is nothing to remove.
  } else if (name == "menu_show") {
    ShowMenu(a1, a2, action);
  } else if (name == "media_load" || name == "media_pause" || name == "media_stop" || name == "media_play") {
    GetTyped("media", a1);
  } else if (name == "flash_load") {
    if (auto* flash = GetFlash(a1)) {
      flash->LoadMovie(a2);
      flash->Play();
    }
  } else if (name == "flash_play") {
    if (auto* flash = GetFlash(a1)) flash->Play();
  } else if (name == "flash_stop") {
    if (auto* flash = GetFlash(a1)) {
      flash->Stop();
      flash->SetFrameNum(0);
    }
  } else if (name == "flash_pause") {
    if (auto* flash = GetFlash(a1)) {
      if (flash->Playing()) {
        flash->Stop();
      } else {
        flash->GotoFrame(flash->FrameNum() - 1);
        flash->Play();
      }
    }
  } else if (name == "run") {
    const std::string path = ProgramPath(a1);
    ShellOpen(path, a2, "open");
  } else if (name == "html_back") {
    if (auto* html = GetHtml(a1)) html->HtmlBack();
  } else if (name == "html_forward") {
    if (auto* html = GetHtml(a1)) html->HtmlForward();
  } else if (name == "html_copy") {
    if (auto* html = GetHtml(a1); html && !html->isHidden()) html->Viewer()->copy();
  } else if (name == "html_sel_all") {
    if (auto* html = GetHtml(a1); html && !html->isHidden()) {
      html->Viewer()->setFocus();
      html->Viewer()->selectAll();
    }
  } else if (name == "html_load") {
    if (auto* html = GetHtml(a1)) {
      html->SyncLinkedTree(a2);
      html->LoadPage(a2);
    }
  } else if (name == "html_print" || name == "html_preview") {
    // Printing and its preview come with the print preview window.
    GetHtml(a1);
  } else if (name == "html_go_top") {
    if (auto* html = GetHtml(a1)) html->SetPosition(0);
  } else if (name == "html_go_history") {
    if (auto* html = GetHtml(a1)) html->SetHistoryIndex(StrToInt(a2));
  } else if (name == "grid_print") {
    GetTyped("grid", a1);
  } else if (name == "combo_load") {
    if (auto* combo = GetComboBox(a1)) {
      combo->LoadFile(a2);
      combo->setCurrentIndex(-1);
      combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    }
  } else if (name == "tree_go_history") {
    if (GetTyped("tree", a1)) StrToInt(a2);
  } else if (name == "tree_back" || name == "tree_forward" || name == "tree_del_favorite" ||
             name == "tree_add_favorite" || name == "tree_go" || name == "tree_show_or_hide" ||
             name == "tree_next" || name == "tree_prev" || name == "tree_expand" || name == "tree_collapse") {
    GetTyped("tree", a1);
  } else if (name == "treeex_add_favorite" || name == "treeex_go" || name == "treeex_check_all" ||
             name == "treeex_un_check_all" || name == "treeex_show_or_hide" || name == "treeex_next" ||
             name == "treeex_prev") {
    GetTyped("tree_ex", a1);
  } else if (name == "visible") {
    if (auto* widget = qobject_cast<QWidget*>(GetControl(a1))) widget->setVisible(ParseBool(a2, true));
  } else if (name == "enabled") {
    if (auto* widget = qobject_cast<QWidget*>(GetControl(a1))) widget->setEnabled(ParseBool(a2, true));
  } else if (name == "split_show_or_hide") {
    if (auto* splitter = GetSplitter(a1)) splitter->ShowOrHide();
  } else if (name == "panel_show_or_hide") {
    if (auto* panel = GetPanel(a1)) panel->ShowOrHide();
  } else if (name == "parpanel_show_or_hide") {
    if (auto* panel = GetParentPanel(a1)) panel->ShowOrHide();
  } else if (name == "spbutton_show_or_hide") {
    if (auto* button = GetSpButton(a1)) button->ShowOrHide();
  } else if (name == "button_show_or_hide") {
    if (auto* button = GetButton(a1)) button->ShowOrHide();
  } else if (name == "img_load" || name == "img_save_as" || name == "img_wallpaper" || name == "img_visible" ||
             name == "img_print") {
    GetTyped("image", a1);
  } else if (name == "sbutton_down") {
    if (auto* button = GetSpButton(a1)) button->ToggleDown();
  } else if (name == "help_id") {
    FHelpId = a1;
  } else if (name == "help") {
    // Help files open in the desktop's viewer for them; topics are the viewer's business.
    ShellOpen(ProgramPath(a1), std::string(), "open");
  } else if (name == "test") {
    ShowMessage(a1 + "*" + a2);
  } else {
    return false;
  }
  return true;
}

void TSkStract::ShowMenu(const std::string& menuName, const std::string& controlName, const RHelpAction& action) {
  TSkPopMenu* menu = GetPopMenu(menuName);
  if (!menu) return;
  RHelpAction at = action;
  if (at.Height == 0 && at.X == 0 && at.Y == 0 && !controlName.empty()) {
    const bool report = FReportErrors;
    FReportErrors = false;
    QWidget* control = GetButton(controlName);
    if (!control) control = GetSpButton(controlName);
    FReportErrors = report;
    if (control) at = ActionAt(at.Text, control);
    else ShowMessage(Utf8ToCp1251("menu_show. Не найден контрол ") + controlName);
  }
  menu->popup(QPoint(at.X, at.Y + at.Height));
}

void TSkStract::FormShow(const std::string& fileName) {
  // The window's interpreter is its child and goes with it, also when the
  // build fails half-way.
  const std::unique_ptr<TfrmFORM> window = std::make_unique<TfrmFORM>(FForm);
  auto* interpreter = new TSkStract(window.get(), fileName);
  interpreter->Build();
  interpreter->ActivatePage();
  window->ShowModal();
}

void TSkStract::FireControl(QObject* sender) {
  RHelpAction action;
  if (auto* combo = qobject_cast<TSkComboBox*>(sender)) {
    if (combo->currentIndex() < 0) return;
    action.Text = InsertArgument(combo->FAction, combo->SelectedArgument(), false);
  } else if (auto* list = qobject_cast<TSkListBox*>(sender)) {
    const int index = list->currentRow();
    if (index < 0 || index >= list->count() || list->ArgumentAt(index).empty()) return;
    action.Text = InsertArgument(list->FAction, list->ArgumentAt(index), true);
  } else if (auto* button = qobject_cast<TSkButton*>(sender)) {
    action = ActionAt(button->FAction, button);
  } else if (auto* speed = qobject_cast<TSkSpeedButton*>(sender)) {
    action = ActionAt(speed->FAction, speed);
  } else if (auto* item = qobject_cast<TSkItem*>(sender)) {
    action.Text = item->FCommand;
  } else if (auto* panel = qobject_cast<TSkPanel*>(sender)) {
    action.Text = panel->FAction;
  } else if (auto* box = qobject_cast<TSkCheckBox*>(sender)) {
    for (const std::string& controlName : box->FEnableList) {
      auto* control = qobject_cast<QWidget*>(GetControl(controlName));
      if (control) control->setEnabled(box->isChecked());
      else
        ReportError(Utf8ToCp1251("Проверте параметр enable_control для чекьокса ") +
                    FromQString(box->objectName()));
    }
    action.Text = InsertArgument(box->FAction, box->isChecked() ? "1" : "0", true);
  }
  if (action.Text.empty()) return;
  ExecuteAction(action);
}

void TSkStract::ControlKeyUp(QObject* sender, int key) {
  auto* edit = qobject_cast<TSkEditBox*>(sender);
  if (!edit || (key != Qt::Key_Return && key != Qt::Key_Enter)) return;
  RunCommandString(edit->FAction);
}

}  // namespace kv
