#include "ListControl.h"

#include "platform/TextCodec.h"
#include "util/Cp1251.h"
#include "util/uUtils.h"
#include "viewers/HtmlFormLayer.h"

namespace kv {
namespace {

TListControl::TKind KindOf(THtmlFormLayer::TKind kind) {
  switch (kind) {
    case THtmlFormLayer::TKind::Select: return TListControl::Choice;
    case THtmlFormLayer::TKind::Checkbox: return TListControl::Check;
    case THtmlFormLayer::TKind::Radio: return TListControl::Radio;
    default: return TListControl::Text;
  }
}

}  // namespace

void TListControl::SaveStates(const THtmlFormLayer& forms) {
  FRecords.clear();
  for (const auto& control : forms.Controls()) {
    const TKind kind = KindOf(control.Kind);
    const bool state = kind == Check || kind == Radio;
    FRecords.push_back(TData{kind,
                             state ? BoolText(forms.Checked(control.Index)) : FromQString(forms.Text(control.Index)),
                             FromQString(control.Id)});
  }
}

void TListControl::RestoreStates(THtmlFormLayer& forms) const {
  for (const auto& control : forms.Controls()) {
    const std::string id = FromQString(control.Id);
    const auto record = std::find_if(FRecords.begin(), FRecords.end(),
                                     [&](const TData& data) { return SameText(data.Id, id); });
    if (record == FRecords.end() || record->Id == "0") continue;
    switch (record->Kind) {
      case Text: forms.SetText(control.Index, ToQString(record->Value)); break;
      case Choice: {
        // The entry with that text, or none when no entry has it.
        forms.SetSelection(control.Index, -1);
        forms.SetText(control.Index, ToQString(record->Value));
        break;
      }
      case Check:
      case Radio: forms.SetChecked(control.Index, ParseBool(record->Value, false)); break;
    }
  }
}

}  // namespace kv
