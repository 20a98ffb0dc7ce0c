#pragma once

class QApplication;
class QGroupBox;
class QLineEdit;

namespace bandwise {

// Style and default font of the main program, chosen so that the twip layout holds every
// caption of every shipped language.
void applyBandwiseLook(QApplication& app);

// Makes a group's own title bold without passing the bold font on to what it contains.
// Call once the group's children exist.
void makeTitleBold(QGroupBox* group);

// Read-only result box: bold text, light grey background, text colours readable in any theme.
void makeResultBox(QLineEdit* box);

}  // namespace bandwise
