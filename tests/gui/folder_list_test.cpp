// The folder list chooses a folder the way a tree does: a single click, or
// moving the selection with the arrow keys, makes it the path of Dir1 (the
// copy may then start), and the chosen folder stays among its siblings.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

// The names below item, in order.
QStringList childNames(const QTreeWidgetItem* item) {
    QStringList names;
    for (int i = 0; i < item->childCount(); ++i) names << item->child(i)->text(0);
    return names;
}

}  // namespace

class FolderListTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        folders = widget<QTreeWidget>("Dir1");
        ASSERT_NE(folders, nullptr);
        // The window's own handler runs as well.
        model->Dir1.Change = [this, wired = model->Dir1.Change] {
            if (wired) wired();
            paths.push_back(model->Dir1.path());
        };
        model->Dir1.setEnabled(true);
        model->Dir1.setPath(flights());
        paths.clear();
    }
    std::string flights() const { return (demo->fs9 / "flights").string(); }
    std::string flights(const char* name) const { return (demo->fs9 / "flights" / name).string(); }
    QTreeWidgetItem* item(const QString& name) const {
        return folders->findItems(name, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    void click(const QString& name) {
        QTreeWidgetItem* target = item(name);
        ASSERT_NE(target, nullptr) << name.toStdString();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                          folders->visualItemRect(target).center());
        QApplication::processEvents();
    }

    QTreeWidget* folders = nullptr;
    std::vector<std::string> paths;
};

TEST_F(FolderListTest, ASingleClickChoosesTheFolderAndKeepsItsSiblings) {
    click(QStringLiteral("Demo Tours"));
    ASSERT_EQ(paths, std::vector<std::string>{flights("Demo Tours")});

    QTreeWidgetItem* current = folders->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), QStringLiteral("Demo Tours"));
    EXPECT_EQ(current->childCount(), 0);  // it has no sub-folders
    ASSERT_NE(current->parent(), nullptr);
    EXPECT_EQ(current->parent()->text(0), QStringLiteral("flights"));
    EXPECT_EQ(childNames(current->parent()),
              (QStringList{QStringLiteral("Demo Tours"), QStringLiteral("Island Hopping")}));

    // A sibling is one click away; the chosen folder is chosen once.
    click(QStringLiteral("Island Hopping"));
    click(QStringLiteral("Island Hopping"));
    EXPECT_EQ(paths, (std::vector<std::string>{flights("Demo Tours"), flights("Island Hopping")}));
    // And the parent as well.
    click(QStringLiteral("flights"));
    EXPECT_EQ(paths.back(), flights());
    EXPECT_EQ(childNames(item(QStringLiteral("flights"))),
              (QStringList{QStringLiteral("Demo Tours"), QStringLiteral("Island Hopping")}));
}

TEST_F(FolderListTest, TheArrowKeysChooseAsTheyMove) {
    folders->setFocus();
    QTest::keyClick(folders, Qt::Key_Down);  // from flights to its first folder
    QApplication::processEvents();
    ASSERT_EQ(paths, std::vector<std::string>{flights("Demo Tours")});
    QTest::keyClick(folders, Qt::Key_Down);  // its sibling
    QApplication::processEvents();
    EXPECT_EQ(paths.back(), flights("Island Hopping"));
    QTest::keyClick(folders, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_EQ(paths.back(), flights("Demo Tours"));
    EXPECT_EQ(folders->currentItem()->text(0), QStringLiteral("Demo Tours"));
}

TEST_F(FolderListTest, AChosenFolderLetsTheOpenFlightBeCopied) {
    ui.answerOpen(demo->flight);
    QTest::mouseClick(widget<QPushButton>("Cmd_Sel_FSFLT"), Qt::LeftButton);
    click(QStringLiteral("Demo Tours"));
    EXPECT_TRUE(widget<QPushButton>("Cmd_PROC_COPY")->isEnabled());
    EXPECT_EQ(model->Txt_Status.text(), "Select Files to copy .. ");
}

}  // namespace vellgui::test
