#pragma once

class QString;
class QWidget;

namespace ui {

// What a screen reader calls a control. Left alone, Qt names a box, list or swatch after the
// group around it ("Result" for every box of a result group) and an inner group after the outer
// one. Each control is named after the caption that says what it is instead: the label beside
// it, the option a swatch belongs to, a group's own title.

// Names `control` after the caption of `captioned` (a label, a button or a group).
void nameAfter(QWidget* control, QWidget* captioned);

// Names `control` with one of the program's own translated texts (Qt's tr() context and source
// text, both string literals), in the language of each refresh.
void nameTranslated(QWidget* control, const char* context, const char* sourceText);

// Names `control` with `name` from now on, ending any naming after a caption or translated text.
void nameDirectly(QWidget* control, const QString& name);

// Gives every group under `root` its title as its name and every control named after a button or
// group that caption's current text; call it again whenever captions change (a language is
// applied). Names taken from labels follow them by themselves.
void refreshAccessibleNames(QWidget* root);

}  // namespace ui
