// The hooks the parameter-set dialog and the menu call into the catalogue.
// Each takes the name of the module the caller expects to implement it; any
// name other than "bZestaw" shows "<hook> ma być w bZestaw a nie w <name>"
// as an error in the status line, and the hook answers as if nothing were
// found (the answer each hook gives then is written beside it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "operations/asset_card.h"
#include "operations/field_rules.h"
#include "operations/operation_registry.h"
#include "operations/option_catalogue.h"

namespace zefir::operations {

inline constexpr std::string_view kCatalogueModule = "bZestaw";

// True for "bZestaw"; otherwise shows the hook's message and answers false.
bool hookModuleIs(std::string_view hook, std::string_view module);

// `nLeftTopRd`: the key the option's dialog position is saved under (options
// 11..64), "" for the others; 0 for options 10..65, -1 for the others
// (and -1 for a wrong module).
int nLeftTopRd(std::string_view module, int option, std::string* positionKey);

// `nieMaOpcji`: the option's layout in `lines`; 0 when it has one, -1 when
// not (and for a wrong module).
int nieMaOpcji(std::string_view module, int option, const LayoutContext& context,
               std::vector<LayoutLine>* lines);

// `nDrukPanel`: false for the documents 13..15 (and a wrong module).
bool nDrukPanel(std::string_view module, int option);
// `Dokum2poA`: the document index, the option number - 11 (-1 for a wrong module).
int dokum2poA(std::string_view module, int option);
// `nPowDoMenu`: in option 11 with the focus beyond the first field, Esc goes
// back to the first field instead of closing.
bool nPowDoMenu(std::string_view module, int option, int focusIndex);
// `nDlaOper`: true for option 85.
bool nDlaOper(std::string_view module, int option);
// `OznaczAqua`: the field is marked as having an F3 window.
bool oznaczAqua(std::string_view module, const FieldInfo& field);

// `nAutomEdit`: the default for an empty field entered; 0 when the field has
// a rule (the text is in `text`), -1 when not.
int nAutomEdit(std::string_view module, const FieldInfo& field, const FieldContext& context,
               std::string* text);

// `BladPola`: true when the field's text is refused; the message ("Tu popraw",
// or an information such as "Nie ma ...") goes to the status line.
bool bladPola(std::string_view module, const FieldInfo& field, std::string_view text,
              const FieldContext& context);

// `F4ewF5Klik`: the pick list of a field ("" when none: "Tu F4 nie pracuje"
// is shown).
std::string f4ewF5Klik(std::string_view module, const FieldInfo& field);
std::string noPickListText();  // "Tu F4 nie pracuje"

// `F3orDbKlik`: the F3 window of a field, 0 when it has none.
int f3orDbKlik(std::string_view module, const FieldInfo& field);

// The pattern section (I..M) whose F3 window a selection field opens
// (`SroW`, `OsoW`, `MieW`, `KRSW`, `MPKW`), 0 for any other field.
char patternSectionOf(const FieldInfo& field);

// `nOknoKr6`: for a selection field, after the dialog has accepted it: its
// text goes into its pattern list when that is empty (seedPatternList) and
// `window` gets the F3 window of the section, which the dialog then opens;
// for any other field `window` gets 0. Always answers -1.
int nOknoKr6(std::string_view module, const FieldInfo& field, std::string_view acceptedText,
             CardState& card, int* window);

// `EnStNeGo`: Enter in the input field at `index` of the option's input
// fields (inputFields of its layout), whose texts are in `values`.
struct EnterStep {
  int answer = 0;    // 0 stay, 1 next field, 2 run the option
  int next = 0;      // with answer 1: the input field to go to
  int f3Window = 0;  // with answer 0: the F3 window to open instead of moving on
};
// `loaded` is the asset as the edit form holds it (option 11; the form
// passes its edit record, so a date just typed counts), or nullptr.
EnterStep enStNeGo(std::string_view module, const OptionInfo& option,
                   const std::vector<FieldPlacement>& inputs, int index, const FieldValues& values,
                   const FieldContext& context, const AssetRecord* loaded = nullptr);

}  // namespace zefir::operations
