// The form controls of an HTML page (input, select, textarea) as real Qt
// widgets laid over placeholders in the page: they flow and scroll with the
// text, keep their element's attributes, and can be read, set, coloured,
// locked and hidden by id — what the exam pages need.
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <vector>

class QTextBrowser;
class QWidget;

namespace kv {

class THtmlFormLayer : public QObject {
  Q_OBJECT

 public:
  enum class TKind { Text, Password, Radio, Checkbox, Button, Submit, Hidden, Select, Textarea, Other };

  struct TControl {
    int Index = 0;                               // document order
    TKind Kind = TKind::Other;
    QString Id;                                  // the element's id attribute ("" when none)
    QString Name;                                // the element's name attribute
    std::map<QString, QString> Attributes;       // every attribute, names lower-case
    QPointer<QWidget> Widget;                    // none for hidden inputs
    bool Hidden = false;                         // hidden by HideElement
    QColor Background;                           // set by SetColors (invalid: the look's own)
    QColor TextColor;
  };

  explicit THtmlFormLayer(QTextBrowser* viewer);

  // Replaces the page's form controls by placeholder pictures ("kvform:N")
  // and makes their widgets; the previous page's controls go.
  QString Prepare(const QString& html);
  // The placeholder picture of control `index`: transparent, its widget's size.
  QImage Placeholder(int index) const;
  // Lays the widgets over their placeholders (after layout, scrolling, resizing).
  void Place();
  void Clear();

  // --- What the exam logic uses ---
  const std::vector<TControl>& Controls() const { return FControls; }
  // Text of a text field or text area, the chosen entry's text of a list, the value of a button.
  QString Text(int index) const;
  void SetText(int index, const QString& text);
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  int Selection(int index) const;  // chosen entry of a list, -1 when none
  void SetSelection(int index, int entry);
  void SetColors(int index, const QColor& background, const QColor& text);
  void SetReadOnly(int index, bool readOnly);
  // Makes a field look like none: no border, white, empty, the arrow cursor.
  void Blank(int index);
  bool ReadOnly(int index) const;
  // Hides the element with that id (its placeholder shrinks to nothing); false when there is none.
  bool HideElement(const QString& id);
  // The index of the control with that id, -1 when none.
  int IndexOfId(const QString& id) const;
  // Lays the page out again after controls changed size or visibility.
  void Relayout();

  static QString KindName(TKind kind);  // "text", "radio", "checkbox", "select", "textarea", "other"

 private:
  const TControl* ControlAt(int index) const;
  QWidget* WidgetAt(int index) const;
  QSize PlaceholderSize(int index) const;
  // Hands the document the placeholder picture of control `index` as it is
  // now: the document keeps the pictures it loaded, and one set this way even
  // across pages.
  void Publish(int index);
  void FindPlaceholders();

  QTextBrowser* FViewer;
  std::vector<TControl> FControls;
  std::vector<int> FPositions;             // each placeholder's document position, -1 when the page has none
  bool FPositionsKnown = false;            // found once per page, again only when the text changes
  std::vector<QSize> FPublished;           // each placeholder's size as the document has it
  std::map<int, Qt::FocusPolicy> FLocked;  // controls made unchangeable, with the focus policy they had
};

}  // namespace kv
