// The result list's model: items made on demand, in each form, through resets.

#include "result_list_model.h"
#include "search/search_request.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace anagrove;
using namespace anagrove::ui;

class ResultListModelTest : public QObject {
    Q_OBJECT
  private slots:
    void itemsFollowTheListing();
};

void ResultListModelTest::itemsFollowTheListing() {
    auto list = std::make_shared<const WordList>(LoadWordList("\r\ntea\r\nat\r\n"));
    FoundWords found;
    found.source = list;
    found.rows = {FoundRow{.word = (*list)[0]},
                  FoundRow{.word = (*list)[1], .length = 3, .score = 3},
                  FoundRow{.word = (*list)[2], .length = 2, .score = 12}};

    ResultListModel model(found);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);

    // The alphabetical listing leaves out the empty word that sorts first.
    model.show({1, 2, ItemForm::score_in_brackets});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0, 0).data().toString(), "tea (3)");
    QCOMPARE(model.index(1, 0).data().toString(), "at (12)");
    QVERIFY(!model.index(0, 0).data(Qt::EditRole).isValid() ||
            model.index(0, 0).data(Qt::EditRole).toString().isEmpty());

    model.show({0, 3, ItemForm::score_after_space});
    QCOMPARE(model.index(0, 0).data().toString(), " 0");
    QCOMPARE(model.itemText(2), "at 12");

    model.show({0, 3, ItemForm::word_only});
    QCOMPARE(model.itemText(0), " ");
    QCOMPARE(model.itemText(1), "tea ");
    QCOMPARE(model.itemText(3), "");

    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

QTEST_MAIN(ResultListModelTest)
#include "result_list_model_test.moc"
