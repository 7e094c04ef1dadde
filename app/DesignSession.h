#pragma once

#include "DesignFileWriter.h"
#include "RecentDesigns.h"
#include "calc/FieldTexts.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace zentrova {

class FormRegistry;
struct Design;

enum class FileChoice { OpenDesign, SaveDesign, ExportReport };

// Asks for a file, suggesting `suggestion`; an empty path when the engineer
// cancels. Replaceable, so that tests never open a file dialog.
using FileChooser = std::function<QString(FileChoice choice, const QString& suggestion)>;
FileChooser DialogFileChooser(QWidget* parent);

// Asks whether to save the changed design first: Save, Discard or Cancel.
using SaveQuestion = std::function<QMessageBox::StandardButton(const QString& text)>;
SaveQuestion MessageBoxSaveQuestion(QWidget* parent);

// The design the main window's texts make up: opening, saving and exporting
// it, with the actions 打开设计, 保存设计, 另存为 and 导出报告 and the recent
// designs on the main window's right-click menu.
class DesignSession : public QObject {
public:
    DesignSession(QWidget& mainWindow, FormRegistry& forms);

    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetSaveQuestion(SaveQuestion question) { askToSave_ = std::move(question); }
    void SetWriter(DesignFileWriter writer) { write_ = std::move(writer); }

    // Each returns whether it did what it says.
    bool Open();
    // Sets every window's texts from the file, creating the windows it names
    // hidden where they do not exist yet; windows it does not name go back to
    // their initial texts. Shows no window and computes nothing. A file that
    // cannot be opened changes nothing and is reported.
    bool OpenPath(const QString& path);
    bool Save();
    bool SaveAs();
    // The PDF report and, beside it, the same report as HTML.
    bool ExportReport();

    // Whether a text changed since the last save or open (or since start-up).
    bool IsModified() const;
    // Asks to save a changed design first; false when the engineer cancels
    // or the save fails.
    bool ConfirmDiscard();

    const QString& path() const { return path_; }
    QStringList recentDesigns() const { return recent_.paths(); }

private:
    void AddAction(const char* objectName, const char* text, const QKeySequence& shortcut,
                       bool (DesignSession::*slot)());
    std::vector<FieldTexts> CurrentTexts() const;
    void Apply(const Design& design);
    bool WriteTo(const QString& path);
    void Remember(const QString& path);
    void UpdateRecentActions();
    void Critical(const char* objectName, const QString& text);
    QString DesignName() const;

    QWidget& mainWindow_;
    FormRegistry& forms_;
    FileChooser chooseFile_;
    SaveQuestion askToSave_;
    DesignFileWriter write_ = WriteFileAtomically;
    RecentDesigns recent_;
    std::vector<FieldTexts> saved_;
    QString path_;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
};

}  // namespace zentrova
