// The pupil's answers carried from the exam page to its report: one record
// per form control (kind, value, HTML id).
#pragma once

#include <string>
#include <vector>

namespace kv {

class THtmlFormLayer;

class TListControl {
 public:
  enum TKind : unsigned char { Text = 0, Choice = 1, Check = 2, Radio = 3 };
  struct TData {
    TKind Kind = Text;
    std::string Value;  // the text, or "1"/"0" for check and radio buttons
    std::string Id;
  };

  // Records every form control of the page, in order.
  void SaveStates(const THtmlFormLayer& forms);
  // Gives each control of the page the state of the first record with its id
  // (ASCII case ignored); controls without one, and the id "0", keep theirs.
  void RestoreStates(THtmlFormLayer& forms) const;

  const std::vector<TData>& Records() const { return FRecords; }

 private:
  std::vector<TData> FRecords;
};

}  // namespace kv
