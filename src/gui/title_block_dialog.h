// The title block dialog: the view of the title block data form, its
// controls where the form places them.
#pragma once

#include <vector>

#include "gui/form_dialog.h"

namespace quadrel {

class FormView;
class QtPlatform;
class TTitleBlockForm;

class TitleBlockDialog : public FormDialog {
public:
    TitleBlockDialog(TTitleBlockForm& form, QtPlatform& platform, QWidget* parent);

    const std::vector<QWidget*>& TabChain() const { return tabChain_; }

private:
    void BuildButtons(const FormView& view, TTitleBlockForm& form);

    std::vector<QWidget*> tabChain_;
};

}  // namespace quadrel
