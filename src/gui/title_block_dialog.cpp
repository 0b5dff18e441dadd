#include "gui/title_block_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <array>

#include "forms/formtitleblock.h"
#include "gui/button_keys.h"
#include "gui/button_style.h"
#include "gui/form_view.h"

namespace quadrel {
namespace {

struct FieldPlace {
    PixelBounds Edit;
    PixelBounds Label;
};

// Edit and label of each title field, in field order, at 96 dpi.
constexpr std::array<FieldPlace, TitleFieldCount> FieldPlaces{{
    {{37, 31, 220, 21}, {262, 31, 120, 21}},
    {{37, 56, 220, 21}, {262, 56, 120, 21}},
    {{36, 106, 220, 21}, {262, 106, 120, 21}},
    {{36, 131, 220, 21}, {262, 131, 120, 21}},
    {{36, 156, 220, 21}, {262, 156, 120, 21}},
    {{36, 206, 160, 21}, {203, 206, 100, 21}},
    {{36, 231, 160, 21}, {203, 231, 100, 21}},
    {{36, 281, 85, 21}, {127, 281, 160, 20}},
    {{36, 306, 85, 21}, {127, 306, 160, 20}},
    {{36, 356, 160, 21}, {203, 356, 100, 21}},
    {{36, 381, 160, 21}, {203, 381, 100, 21}},
    {{36, 406, 160, 21}, {203, 406, 100, 21}},
    {{36, 431, 220, 21}, {262, 431, 100, 21}},
}};

// The framing bevels round the groups of edits.
constexpr std::array<PixelBounds, 5> Bevels{{
    {26, 21, 367, 66},
    {26, 96, 367, 91},
    {26, 196, 367, 66},
    {26, 271, 367, 66},
    {26, 346, 367, 115},
}};

constexpr PixelBounds OkPlace{172, 479, 75, 25};
constexpr PixelBounds AddSetPlace{318, 470, 75, 20};
constexpr PixelBounds DeleteSetPlace{318, 496, 75, 20};
constexpr PixelBounds UpPlace{134, 470, 21, 22};
constexpr PixelBounds DownPlace{134, 493, 21, 22};

}  // namespace

TitleBlockDialog::TitleBlockDialog(TTitleBlockForm& form, QtPlatform& platform, QWidget* parent)
    : FormDialog(form, platform, parent, 419, 535) {
    // MS Sans Serif where it exists; else a sans serif of the same narrow
    // measure, so the labels fit their boxes.
    QFont dialogFont(QStringLiteral("MS Sans Serif"), 8);
    dialogFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    dialogFont.setStyleHint(QFont::SansSerif);
    setFont(dialogFont);
    const FormView view = View();
    for (const PixelBounds& bounds : Bevels) {
        view.Plain<QFrame>(*this, bounds)->setFrameStyle(QFrame::Box | QFrame::Sunken);
    }
    const auto edits = form.FieldEdits();
    const auto labels = form.FieldLabels();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        tabChain_.push_back(view.Add<QLineEdit>(*this, *edits[k], FieldPlaces[k].Edit));
        view.Add<QLabel>(*this, *labels[k], FieldPlaces[k].Label)
            ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    BuildButtons(view, form);
    ChainTabs(tabChain_);
}

void TitleBlockDialog::BuildButtons(const FormView& view, TTitleBlockForm& form) {
    auto* ok = view.Add<QPushButton>(*this, form.BitBtnOk, OkPlace);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);

    QFont setButtonFont(QStringLiteral("Times New Roman"), 8, QFont::Bold);
    setButtonFont.setStyleHint(QFont::Serif);
    const auto setButton = [&](Button& model, const PixelBounds& bounds, const char* colour) {
        auto* button = view.Add<QPushButton>(*this, model, bounds);
        button->setFont(setButtonFont);
        button->setStyleSheet(ColouredButtonStyle(colour));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* add = setButton(form.ButtonAddSet, AddSetPlace, "#008000");
    QPushButton* remove = setButton(form.ButtonDeleteSet, DeleteSetPlace, "#d00000");

    const auto arrow = [&](Button& model, const PixelBounds& bounds, QStyle::StandardPixmap glyph) {
        auto* button = view.Add<QPushButton>(*this, model, bounds);
        // The main form's arrows, at their size: a glyph squeezed into the
        // old 11 by 7 pixels is only a dot.
        button->setIcon(style()->standardIcon(glyph));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* up = arrow(form.BitBtnUp, UpPlace, QStyle::SP_ArrowUp);
    QPushButton* down = arrow(form.BitBtnDown, DownPlace, QStyle::SP_ArrowDown);

    BindButtonKeys(*this, {{QKeySequence(Qt::Key_PageUp), up},
                           {QKeySequence(Qt::Key_PageDown), down},
                           {QKeySequence(Qt::CTRL | Qt::Key_N), add}});
    tabChain_.insert(tabChain_.end(), {ok, add, remove, up, down});
}

}  // namespace quadrel
