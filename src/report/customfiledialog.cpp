#include "report/customfiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTimer>

namespace {

struct Choice
{
    ExportFormat format;
    const char *name;
    const char *suffix;
};

const Choice CHOICES[] = {
    { ExportFormat::Pdf, QT_TRANSLATE_NOOP("CustomFileDialog", "PDF report"), "pdf" },
    { ExportFormat::Csv, QT_TRANSLATE_NOOP("CustomFileDialog", "CSV"), "csv" },
    { ExportFormat::JsonLines, QT_TRANSLATE_NOOP("CustomFileDialog", "JSON Lines"), "jsonl" },
};

QString filterText(const Choice &choice)
{
    return QString("%1 (*.%2)").arg(CustomFileDialog::tr(choice.name), choice.suffix);
}

const Choice &choiceOf(const QString &filter)
{
    for (const Choice &choice : CHOICES) {
        if (filter == filterText(choice))
            return choice;
    }
    return CHOICES[0];
}

} // namespace

CustomFileDialog::CustomFileDialog(const QString &baseName, QWidget *parent)
    : QFileDialog(parent)
    , m_baseName(baseName)
{
    // Qt's own dialog: a desktop's native one has no name field to preselect.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const Choice &choice : CHOICES)
        filters << filterText(choice);
    setNameFilters(filters);
    setDefaultSuffix(CHOICES[0].suffix);
    // Never the process's working folder, which for a start from the menu is anywhere.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        setDirectory(lastFolder());
    else
        setDirectory(QFileInfo(documents).isDir() ? documents : QDir::homePath());
    connect(this, &QFileDialog::filterSelected, this, &CustomFileDialog::followFilter);
}

ExportFormat CustomFileDialog::format() const
{
    ExportFormat format;
    if (!selectedFiles().isEmpty() && formatFromSuffix(selectedFiles().first(), &format))
        return format;
    return choiceOf(selectedNameFilter()).format;
}

QString &CustomFileDialog::lastFolder()
{
    static QString folder;
    return folder;
}

void CustomFileDialog::rememberExport(const QString &path)
{
    lastFolder() = QFileInfo(path).absolutePath();
}

void CustomFileDialog::showEvent(QShowEvent *event)
{
    QFileDialog::showEvent(event);
    // The dialog fills its name field itself once shown; ours comes after.
    QTimer::singleShot(300, this, &CustomFileDialog::suggestName);
}

void CustomFileDialog::suggestName()
{
    auto *edit = findChild<QLineEdit *>();
    if (!edit)
        return;
    const QString name = QString("%1.%2").arg(m_baseName, choiceOf(selectedNameFilter()).suffix);
    edit->setText(name);
    edit->selectAll();
    const int dot = name.lastIndexOf('.');
    edit->setSelection(0, dot < 0 ? name.size() : dot);
}

// A name that ends in one of the offered suffixes takes the chosen one
// instead; any other name is left as typed.
void CustomFileDialog::followFilter(const QString &filter)
{
    const Choice &chosen = choiceOf(filter);
    setDefaultSuffix(chosen.suffix);
    auto *edit = findChild<QLineEdit *>();
    if (!edit)
        return;
    const QString name = edit->text();
    for (const Choice &choice : CHOICES) {
        const QString suffix = QString(".") + choice.suffix;
        if (name.endsWith(suffix, Qt::CaseInsensitive)) {
            edit->setText(name.left(name.size() - suffix.size()) + '.' + chosen.suffix);
            return;
        }
    }
}
