#include "Fonts.h"

#include <QStringList>

namespace zentrova {
namespace {

constexpr double kSongPointSize = 11.25;

}  // namespace

void InstallChineseFontSubstitutes()
{
    const QStringList songStyle = {
        QStringLiteral("SimSun"),          QStringLiteral("AR PL UMing CN"),   QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL SungtiL GB"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Songti SC"),
        QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UKai CN"),
        QStringLiteral("Droid Sans Fallback"),
    };
    QFont::insertSubstitutions(QStringLiteral("宋体"), songStyle);
}

QFont SongTypeface()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(kSongPointSize);
    return font;
}

}  // namespace zentrova
