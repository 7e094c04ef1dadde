#include "ReportWriter.h"

#include "ReportHtml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <functional>

namespace zentrova {
namespace {

constexpr int kPdfResolution = 300;
constexpr double kMarginMillimetres = 15;
constexpr double kReportPointSize = 10;

const QStringList kCjkFamilies = {
    QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("SimSun"),
};

QString SaveFailure(const QString& path, const QSaveFile& file)
{
    const QString reason = file.error() == QFileDevice::ResourceError ? QStringLiteral("磁盘已满")
                                                                      : file.errorString();
    return QStringLiteral("无法写入报告 “%1”：%2").arg(path, reason);
}

std::optional<QString> WriteAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailure(path, file);
    if (!write(file) || !file.commit())
        return SaveFailure(path, file);
    return std::nullopt;
}

}  // namespace

std::optional<QString> WriteReportPdf(const Design& design, const QString& designName, QDate date,
                                      const QString& path)
{
    const QString schematic = QStringLiteral("schematic.jpg");
    QTextDocument document;
    QFont font;
    font.setFamilies(kCjkFamilies);
    font.setPointSizeF(kReportPointSize);
    document.setDefaultFont(font);
    document.addResource(QTextDocument::ImageResource, QUrl(schematic),
                         QImage(QString::fromUtf8(kReportSchematic)));
    document.setHtml(DesignReportHtml(design, designName, date, schematic));

    return WriteAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setTitle(QStringLiteral("Zentrova 设计报告：") + designName);
        writer.setCreator(QStringLiteral("Zentrova"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres),
                                         QPageLayout::Millimeter));
        document.print(&writer);
        return true;
    });
}

std::optional<QString> WriteReportHtml(const Design& design, const QString& designName, QDate date,
                                       const QString& path)
{
    QFile schematicFile(QString::fromUtf8(kReportSchematic));
    schematicFile.open(QIODevice::ReadOnly);
    const QString schematic = QStringLiteral("data:image/jpeg;base64,") +
                              QString::fromLatin1(schematicFile.readAll().toBase64());
    const QByteArray html = DesignReportHtml(design, designName, date, schematic).toUtf8();
    return WriteAtomically(path, [&](QIODevice& device) { return device.write(html) == html.size(); });
}

QString HtmlBesidePdf(const QString& pdfPath)
{
    const QFileInfo pdf(pdfPath);
    return pdf.dir().filePath(pdf.completeBaseName() + QStringLiteral(".html"));
}

}  // namespace zentrova
