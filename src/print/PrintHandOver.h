#pragma once
// What an editor's print command hands to the preview: the table kind by editor and model.
namespace posmod {

// The print kind of the editor of a form number for a module type: 0 and 5 for the
// one-axis editors, 1 and 6 for the four-axis ones, 2-4 and 7-9 for the two-axis ones by
// module type 2-4. -1 when the pair names no table (a two-axis editor with another type:
// the kind stays as it was).
int PrintKind_ForEditor(int formNo, int moduleType);

} // namespace posmod
