#include "mainwindow.h"

#include "accessibility.h"
#include "catalogueloader.h"
#include "choiceframe.h"
#include "decodertransfer.h"
#include "griddelegate.h"
#include "gridkeyboard.h"
#include "mainwindowui.h"

#include <QStyle>

namespace {

// The grid's look and keys: Tab leaves the grid, the arrow keys move inside
// it; its cells and the choice are drawn to stand out.
void dressGrid(QComboBox *choice, QTableView *grid)
{
    grid->setTabKeyNavigation(false);
    grid->installEventFilter(new GridKeyboard(grid));
    grid->setItemDelegate(new GridDelegate(grid));
    new ChoiceFrame(choice);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new MainWindowUi)
{
    installAccessibleInterfaces();
    ui->setupUi(this);
    // The form's sample rows only show the layout in the designer.
    ui->tableWidget->setRowCount(0);
    fitRowHeightToContent();
    keepChoiceWidthFromNames();
    makeAccessible(this, ui->comboBox, ui->tableWidget);
    dressGrid(ui->comboBox, ui->tableWidget);
    editor = new ValuesEditor(ui->tableWidget, ui->statusBar);
    new DecoderTransfer(editor, this);
    loadCatalogue();
}

MainWindow::~MainWindow()
{
    // An open value editor commits as the grid goes, after the window's own members are gone.
    ui->tableWidget->disconnect(this);
    ui->tableWidget->disconnect(editor);
    delete ui;
}

// Only the integer overload acts; this one exists because the name matches both signals.
void MainWindow::on_comboBox_currentIndexChanged(const QString &)
{
}

// The style's default row height lets the value row drop below the first
// window; rows sized from the font and the check box fit all sixteen. Around
// them, the margins the style gives a row label where they are wider (the
// Windows styles' are), so that no label loses its descenders. The check box
// keeps its size at every display scale where a font's measured height may
// not (under Wine it even shrinks), so the rows scale with the display.
void MainWindow::fitRowHeightToContent()
{
    QTableWidget *table = ui->tableWidget;
    QHeaderView *labels = table->verticalHeader();
    const int indicator = table->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, table);
    const int labelMargin = labels->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, labels);
    const int height = qMax(indicator, table->fontMetrics().height()) + qMax(6, 2 * labelMargin);
    labels->setMinimumSectionSize(height);
    labels->setDefaultSectionSize(height);
}

// The choice spans the window anyway. Sized to its longest entry, one
// overlong decoder name would widen the window beyond any screen, and every
// name would be measured before the window first shows.
void MainWindow::keepChoiceWidthFromNames()
{
    ui->comboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui->comboBox->setMinimumContentsLength(24);
}

void MainWindow::loadCatalogue()
{
    decoderTypes = readCatalogueFile(QStringLiteral("decoders.ini"));
    // Record 0 stands opposite the placeholder entry and gets no entry of its own.
    QStringList names;
    for (int k = 1; k < decoderTypes.size(); ++k)
        names.append(decoderTypes.at(k).name);
    ui->comboBox->insertItems(ui->comboBox->count(), names);
}
