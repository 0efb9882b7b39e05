#pragma once
// What the page-setting and print dialogs opened over a preview act on.
namespace posmod {

class PrintSheet;

class PreviewSheet {
public:
    virtual ~PreviewSheet() = default;
    virtual PrintSheet& sheet() = 0;
    // The sheet row at the top of the preview, the page a "Current page" print takes.
    virtual int topRow() const = 0;
};

} // namespace posmod
