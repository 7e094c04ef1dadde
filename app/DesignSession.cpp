#include "DesignSession.h"

#include "FormRegistry.h"
#include "QtText.h"
#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"
#include "design/DesignFile.h"
#include "design/DesignFormat.h"
#include "report/ReportWriter.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace zentrova {
namespace {

const QString kDesignFilter = QStringLiteral("Zentrova 设计 (*.zpfc);;所有文件 (*)");
const QString kReportFilter = QStringLiteral("PDF 报告 (*.pdf)");

QString WithSuffix(QString path, const QString& suffix)
{
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QLineEdit* FieldOf(QWidget& window, std::string_view control)
{
    return window.findChild<QLineEdit*>(ToQString(control));
}

bool SameTexts(const std::vector<FieldTexts>& a, const std::vector<FieldTexts>& b)
{
    for (std::size_t w = 0; w < a.size(); ++w) {
        for (std::size_t i = 0; i < a[w].window().fields.size(); ++i) {
            if (a[w].At(static_cast<int>(i)) != b[w].At(static_cast<int>(i)))
                return false;
        }
    }
    return true;
}

}  // namespace

FileChooser DialogFileChooser(QWidget* parent)
{
    return [parent](FileChoice choice, const QString& suggestion) {
        switch (choice) {
        case FileChoice::OpenDesign:
            return QFileDialog::getOpenFileName(parent, QStringLiteral("打开设计"), suggestion, kDesignFilter);
        case FileChoice::SaveDesign:
            return QFileDialog::getSaveFileName(parent, QStringLiteral("另存为"), suggestion, kDesignFilter);
        case FileChoice::ExportReport:
            return QFileDialog::getSaveFileName(parent, QStringLiteral("导出报告"), suggestion, kReportFilter);
        }
        return QString();
    };
}

SaveQuestion MessageBoxSaveQuestion(QWidget* parent)
{
    return [parent](const QString& text) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Zentrova"), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setObjectName(QStringLiteral("SaveChangesQuestion"));
        box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
}

DesignSession::DesignSession(QWidget& mainWindow, FormRegistry& forms)
    : QObject(&mainWindow),
      mainWindow_(mainWindow),
      forms_(forms),
      chooseFile_(DialogFileChooser(&mainWindow)),
      askToSave_(MessageBoxSaveQuestion(&mainWindow)),
      saved_(CurrentTexts())
{
    // Apart from the windows the main window's menu already opens.
    if (!mainWindow_.actions().isEmpty()) {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        mainWindow_.addAction(separator);
    }
    AddAction("OpenDesignAction", "打开设计", QKeySequence(Qt::CTRL | Qt::Key_O), &DesignSession::Open);
    AddAction("SaveDesignAction", "保存设计", QKeySequence(Qt::CTRL | Qt::Key_S), &DesignSession::Save);
    AddAction("SaveDesignAsAction", "另存为", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &DesignSession::SaveAs);
    AddAction("ExportReportAction", "导出报告", QKeySequence(Qt::CTRL | Qt::Key_E), &DesignSession::ExportReport);
    recentSeparator_ = new QAction(this);
    recentSeparator_->setSeparator(true);
    mainWindow_.addAction(recentSeparator_);
    // A right click on the main window lists its actions: the four above and
    // the recent designs.
    mainWindow_.setContextMenuPolicy(Qt::ActionsContextMenu);
    UpdateRecentActions();
}

void DesignSession::AddAction(const char* objectName, const char* text, const QKeySequence& shortcut,
                                  bool (DesignSession::*slot)())
{
    auto* action = new QAction(QString::fromUtf8(text), this);
    action->setObjectName(QString::fromUtf8(objectName));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    mainWindow_.addAction(action);
}

std::vector<FieldTexts> DesignSession::CurrentTexts() const
{
    std::vector<FieldTexts> texts;
    for (const WindowDescription* description : CalculationWindows()) {
        FieldTexts window = FieldTexts::Initial(*description);
        if (QWidget* form = forms_.Find(ToQString(description->name))) {
            for (const FieldDescription& field : description->fields) {
                if (QLineEdit* edit = FieldOf(*form, field.control))
                    window.Set(field.control, ToUtf8(edit->text()));
            }
        }
        texts.push_back(std::move(window));
    }
    return texts;
}

void DesignSession::Apply(const Design& design)
{
    for (const WindowDescription* description : CalculationWindows()) {
        const QString name = ToQString(description->name);
        QWidget* form = design.Find(description->name) ? forms_.CreateForm(name) : forms_.Find(name);
        if (!form)
            continue;
        const FieldTexts texts = design.TextsOf(*description);
        for (const FieldDescription& field : description->fields) {
            QLineEdit* edit = FieldOf(*form, field.control);
            const QString text = ToQString(texts.Get(field.control));
            if (edit && edit->text() != text) {
                edit->setText(text);
                edit->setCursorPosition(0);
            }
        }
    }
}

bool DesignSession::Open()
{
    if (!ConfirmDiscard())
        return false;
    const QString path = chooseFile_(FileChoice::OpenDesign, QFileInfo(path_).absolutePath());
    return !path.isEmpty() && OpenPath(path);
}

bool DesignSession::OpenPath(const QString& path)
{
    const std::variant<Design, DesignProblem> opened =
        OpenDesignFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (const auto* problem = std::get_if<DesignProblem>(&opened)) {
        Critical("DesignOpenFailedMessage", ToQString(DesignProblemChinese(ToUtf8(Shown(path)), *problem)));
        return false;
    }
    const Design& design = std::get<Design>(opened);
    Apply(design);
    Remember(path);
    if (!design.skipped.empty()) {
        QStringList skipped;
        for (const std::string& name : design.skipped)
            skipped.append(ToQString(name));
        QMessageBox box(QMessageBox::Information, QStringLiteral("Zentrova"),
                        QStringLiteral("已打开设计 “%1”，跳过了这个版本没有的窗口或控件：\n%2")
                            .arg(Shown(path), skipped.join(QStringLiteral("\n"))),
                        QMessageBox::Ok, &mainWindow_);
        box.setObjectName(QStringLiteral("DesignSkippedMessage"));
        box.exec();
    }
    return true;
}

bool DesignSession::Save()
{
    return path_.isEmpty() ? SaveAs() : WriteTo(path_);
}

bool DesignSession::SaveAs()
{
    const QString suggestion = path_.isEmpty() ? QStringLiteral("设计.zpfc") : path_;
    const QString path = WithSuffix(chooseFile_(FileChoice::SaveDesign, suggestion), ToQString(kDesignExtension));
    return !path.isEmpty() && WriteTo(path);
}

bool DesignSession::WriteTo(const QString& path)
{
    const std::vector<FieldTexts> texts = CurrentTexts();
    const std::string json = WriteDesignJson(Design::FromTexts(texts));
    if (const std::optional<QString> reason = write_(path, QByteArray(json.data(), static_cast<qsizetype>(json.size())))) {
        Critical("DesignSaveFailedMessage",
                 QStringLiteral("无法保存设计 “%1”：%2。窗口里的文本都还在。").arg(Shown(path), *reason));
        return false;
    }
    Remember(path);
    return true;
}

void DesignSession::Remember(const QString& path)
{
    saved_ = CurrentTexts();
    path_ = path;
    recent_.Add(path);
    UpdateRecentActions();
}

bool DesignSession::ExportReport()
{
    const QString suggestion =
        path_.isEmpty() ? QStringLiteral("设计报告.pdf")
                        : QFileInfo(path_).dir().filePath(QFileInfo(path_).completeBaseName() + QStringLiteral(".pdf"));
    const QString path = WithSuffix(chooseFile_(FileChoice::ExportReport, suggestion), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return false;
    const Design design = Design::FromTexts(CurrentTexts());
    const QDate today = QDate::currentDate();
    std::optional<QString> failure = WriteReportPdf(design, DesignName(), today, path);
    if (!failure)
        failure = WriteReportHtml(design, DesignName(), today, HtmlBesidePdf(path));
    if (failure) {
        Critical("ReportExportFailedMessage", *failure);
        return false;
    }
    return true;
}

QString DesignSession::DesignName() const
{
    return path_.isEmpty() ? QStringLiteral("未命名设计") : QFileInfo(path_).fileName();
}

bool DesignSession::IsModified() const
{
    return !SameTexts(CurrentTexts(), saved_);
}

bool DesignSession::ConfirmDiscard()
{
    if (!IsModified())
        return true;
    const QString text = path_.isEmpty() ? QStringLiteral("设计已经改动，是否保存？")
                                         : QStringLiteral("设计 “%1” 已经改动，是否保存？").arg(Shown(path_));
    switch (askToSave_(text)) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void DesignSession::UpdateRecentActions()
{
    for (QAction* action : recentActions_)
        delete action;
    recentActions_.clear();
    const QStringList paths = recent_.paths();
    recentSeparator_->setVisible(!paths.isEmpty());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QString text = QStringLiteral("%1 %2").arg(i + 1).arg(Shown(path));
        auto* action = new QAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")), this);
        action->setObjectName(QStringLiteral("RecentDesign%1").arg(i + 1));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (ConfirmDiscard())
                OpenPath(path);
        });
        mainWindow_.addAction(action);
        recentActions_.push_back(action);
    }
}

void DesignSession::Critical(const char* objectName, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zentrova"), text, QMessageBox::Ok, &mainWindow_);
    box.setObjectName(QString::fromUtf8(objectName));
    box.exec();
}

}  // namespace zentrova
