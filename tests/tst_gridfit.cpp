#include "windowfixture.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QtTest>

class GridFitTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeGridFitsTheFirstWindow();
    void checkBoxFitsItsCell();
};

void GridFitTest::wholeGridFitsTheFirstWindow()
{
    WindowFixture fixture("[Lok]\nCV46 = 255\n");
    QVERIFY(fixture.showAndChoose(1));
    QCOMPARE(fixture.window().size(), QSize(800, 600));
    QTableWidget *table = fixture.table();
    QCoreApplication::processEvents();

    const QRect viewport = table->viewport()->rect();
    for (int row = 0; row < table->rowCount(); ++row) {
        const QRect rect = table->visualItemRect(table->item(row, 13));
        QVERIFY2(viewport.contains(rect), qPrintable(QStringLiteral("row %1 at %2..%3 of %4")
                                                         .arg(row).arg(rect.top()).arg(rect.bottom())
                                                         .arg(viewport.height())));
    }
    QCOMPARE(table->verticalScrollBar()->maximum(), 0);
}

void GridFitTest::checkBoxFitsItsCell()
{
    WindowFixture fixture("[Lok]\n");
    QVERIFY(fixture.showAndChoose(1));
    QTableWidget *table = fixture.table();
    QTableWidgetItem *box = fixture.cell(0, 0);

    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualItemRect(box);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.widget = table;
    const QRect indicator = table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QVERIFY(option.rect.contains(indicator));
    QVERIFY(option.rect.height() >= indicator.height() + 4);
}

QTEST_MAIN(GridFitTest)
#include "tst_gridfit.moc"
