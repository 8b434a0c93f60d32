// What the standard controls share: a widget's background colour, captions
// without their mnemonic marks, and the check that keeps typed text inside
// the program's code page.
#pragma once

#include "widgets/Controls.h"

#include <QPalette>
#include <QValidator>

// Sets the colour of `role` (Base for fields and lists, Window for frames).
void SetBackground(QWidget* w, QPalette::ColorRole role, TColor c);

// The caption as shown and said: "&Sair" gives "Sair", "&&" gives "&".
QString WithoutMnemonic(const QString& s);

// Refuses text the program's code page cannot hold, so what is typed or
// pasted always survives the trip into the program's strings.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override;
};
