#include "widgets/ControlSupport.h"

#include "widgets/SysUtils.h"

void SetBackground(QWidget* w, QPalette::ColorRole role, TColor c)
{
    QPalette pal = w->palette();
    pal.setColor(role, ColorToQColor(c));
    w->setPalette(pal);
}

QString WithoutMnemonic(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size())
            ++i;
        else if (s[i] == u'&')
            continue;
        out += s[i];
    }
    return out;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return FitsCp1252(input) ? Acceptable : Invalid;
}
