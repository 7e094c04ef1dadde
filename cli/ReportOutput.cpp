#include "ReportOutput.h"

#include "report/ReportWriter.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <memory>

namespace zentrova {
namespace {

// The report lays out text in fonts, which needs a QGuiApplication; on the
// command line it runs without a display unless told otherwise.
std::unique_ptr<QGuiApplication> EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zentrova-calc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool ReportAvailable()
{
    return true;
}

std::optional<std::string> WriteReportFile(const Design& design, std::string_view designFile, std::string_view path)
{
    const QString out = FromUtf8(path);
    const bool pdf = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);

    const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
    const QString name = QFileInfo(FromUtf8(designFile)).fileName();
    const QDate today = QDate::currentDate();
    const std::optional<QString> failure = pdf ? WriteReportPdf(design, name, today, out)
                                               : WriteReportHtml(design, name, today, out);
    if (failure)
        return failure->toStdString();
    return std::nullopt;
}

}  // namespace zentrova
