#pragma once
// What assistive tools read as the name of a captioned control: a frame its title, a command
// button, option or check box its text, a label its text, as the control shows it now (the
// interface reads the caption at each question, so one set later is announced as shown). A
// control whose caption is empty has no name: Qt's own interfaces would hand it the title of
// the frame around it. Text boxes and lists keep Qt's interfaces; they take the caption of the
// label paired with them (QLabel::setBuddy).
#include <QString>

namespace posmod {

// Puts these interfaces in place for every such control of the program; more calls do nothing.
void UseCaptionNames();

// A caption as it is drawn: "&x" shows x underlined, "&&" shows one "&".
QString ShownCaption(const QString& caption);

} // namespace posmod
