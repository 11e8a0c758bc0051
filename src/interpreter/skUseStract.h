// The interpreter of one interface description on one window: builds the
// window's objects from the description, keeps them in registries that
// commands and other objects look names up in, and runs the command strings
// that the objects fire. Commands it does not know go to the owner's
// application handler.
#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "interpreter/skCommand.h"
#include "pack/uIniFiles.h"

class QWidget;
class QLabel;
class QProgressBar;

namespace kv {

class TSkForm;
class TSkButton;
class TSkSpeedButton;
class TSkPanel;
class TParentPanel;
class TSkSplitter;
class TSkLabel;
class TSkTrackBar;
class TSkPopMenu;
class TSkEditBox;
class TSkRadioButton;
class TSkProgressBar;
class TSkComboBox;
class TSkCheckBox;
class TSkListBox;
class TSkSpinEdit;
class TSkHtml;
class TSkFlash;

class TSkStract : public QObject {
  Q_OBJECT

 public:
  TSkStract(TSkForm* form, const std::string& fileName);
  ~TSkStract() override;

  void Build();
  void ActivatePage();

  // Receives the commands the executor does not know; set by the owner after Build.
  std::function<void(RHelpAction&)> OnAppCommand;

  // --- Executor ---
  void ExecuteAction(const RHelpAction& action);
  void RunCommandString(const std::string& text);
  void FireControl(QObject* sender);
  void ControlKeyUp(QObject* sender, int key);
  // Runs work that an event started; an error it raises is shown, not thrown
  // back into the event loop.
  static void Guarded(const std::function<void()>& work);

  // --- Registries and lookups ---
  struct TRegistered {
    QPointer<QObject> Object;
    std::string Name;
    std::string Type;  // lower-cased object type
  };
  const std::vector<TRegistered>& Objects() const { return FObjects; }

  // First object of any type with that name (ASCII case ignored); reports a miss.
  QObject* GetControl(const std::string& name);
  // First object of that type with that name; reports a miss.
  QObject* GetTyped(const char* type, const std::string& name);
  TSkButton* GetButton(const std::string& name);
  TSkSpeedButton* GetSpButton(const std::string& name);
  TSkPanel* GetPanel(const std::string& name);
  TParentPanel* GetParentPanel(const std::string& name);
  TSkSplitter* GetSplitter(const std::string& name);
  TSkLabel* GetLabel(const std::string& name);
  TSkTrackBar* GetTrackBar(const std::string& name);
  TSkPopMenu* GetPopMenu(const std::string& name);
  TSkEditBox* GetEditBox(const std::string& name);
  TSkRadioButton* GetRadioButton(const std::string& name);
  TSkProgressBar* GetProgressBar(const std::string& name);
  TSkComboBox* GetComboBox(const std::string& name);
  QWidget* GetScrollBox(const std::string& name);
  TSkHtml* GetHtml(const std::string& name);
  TSkFlash* GetFlash(const std::string& name);
  // The first combo box whose action, cut at its first "*", is `command`.
  TSkComboBox* FindComboByCommand(const std::string& command);
  TSkSpeedButton* FindSpButtonByCommand(const std::string& command, const std::string& rest);

  // The error display: the description's file name, a line break and the text.
  void ReportError(const std::string& text);

  TSkForm* Form() const { return FForm; }
  const std::string& FileName() const { return FFileName; }
  int PageIndex() const { return FPageIndex; }
  QWidget* Page() const;
  const TPakIniFile& Ini() const { return FIni; }

  void CloseSplash();

  // Every interpreter alive, in creation order.
  static const std::vector<TSkStract*>& Living();

  bool FReportErrors = true;
  bool FCloseSplashAuto = true;
  bool FSaveWindowPos = false;
  std::string FHelpId;
  std::string FRegKey;
  std::string FFavoriteMenus;

 private:
  // Build steps.
  void ApplyFormSection(const std::string& name);
  QObject* MakeObject(QWidget* parent, const std::string& name, const std::string& type);
  void Register(QObject* object, const std::string& name, const std::string& type);
  // Names are identifiers, unique under one parent; a bad one stops the build.
  void CheckName(QWidget* parent, const std::string& name);
  void BuildMenu(TSkPopMenu* menu, const std::string& section);
  void ResizeForm(int width, int height);
  void ShowMaximisedButtons(bool maximised);

  // Properties.
  void SetProperty(QObject* object, const std::string& name, const std::string& type);
  void ApplyCommonKey(QObject* object, const std::string& type, const std::string& key, const std::string& value);
  void ApplyFormKey(const std::string& key, const std::string& value);
  void ApplyTypeKey(QObject* object, const std::string& type, const std::string& key, const std::string& value);
  void ApplyHtmlKey(TSkHtml* html, const std::string& key, const std::string& value);
  void OpenSplash(const std::string& value);
  void AdvanceSplash();

  // Commands.
  bool RunBuiltIn(const RCommand& command, const RHelpAction& action);
  void ShowMenu(const std::string& menuName, const std::string& controlName, const RHelpAction& action);
  void FormShow(const std::string& fileName);

  TSkForm* FForm;
  std::string FFileName;
  TPakIniFile FIni;
  int FPageIndex = -1;
  std::string FFormName;
  std::vector<TRegistered> FObjects;

  // Splash window while the build runs.
  std::unique_ptr<QWidget> FSplashForm;
  QProgressBar* FSplashBar = nullptr;
  int FSplashStep = 1;
  std::chrono::steady_clock::time_point FSplashDrawn;
};

}  // namespace kv
