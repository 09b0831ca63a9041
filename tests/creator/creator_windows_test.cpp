// Quenbry's two windows carry their controls' names and captions, show a mission's fields and
// write them back, and never lose the author's text to a failed save.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "creator/every_byte_mission.h"
#include "creator/focus_ring_window.h"
#include "creator/mission_edit_window.h"
#include "creator/mission_fields.h"
#include "creator/pack_manager.h"
#include "creator/pack_manager_window.h"
#include "harness/disk_faults.h"
#include "windows/focus_ring.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

QString Text(const QWidget* widget) {
    if (widget == nullptr) return "(missing)";
    if (auto* box = qobject_cast<const QPlainTextEdit*>(widget)) return box->toPlainText();
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    return "(no text)";
}

// A user's choice in a drop-down list: the entry becomes current, then the list reports it.
void Choose(QComboBox* list, const QString& entry) {
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// A program folder of its own, with an instruction file, removed afterwards.
class CreatorWindowsTest : public testing::Test {
protected:
    CreatorWindowsTest() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("quenbry-windows-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "Alpha");
        WriteBytes(folder / "Quenbry.zdl", "QUENBRY HELP\r\n  line two\r\n");
    }
    ~CreatorWindowsTest() override { fs::remove_all(folder); }

    std::unique_ptr<MissionEditWindow> Editor(const fs::path& file) {
        auto editor = MissionEditWindow::Create(file, folder / "Quenbry.zdl", nullptr, Recorder());
        if (editor) editor->show();
        return editor;
    }
    MissionEditWindow::MessageFunction Recorder() {
        return [this](const QString& text) { messages << text; };
    }
    template <typename Widget>
    static Widget* Find(const QWidget* window, const char* name) {
        auto* found = window->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    fs::path folder;
    QStringList messages;
};

TEST_F(CreatorWindowsTest, BothWindowsCarryTheirNamesCaptionsAndTabs) {
    PackManagerWindow manager(folder);
    EXPECT_EQ(manager.objectName(), "frmMissionEditStart");
    EXPECT_EQ(manager.windowTitle(), "Quenbry");
    const std::pair<const char*, const char*> managerCaptions[] = {
        {"Label1", "MissionPack"},
        {"Label2", "Mission"},
        {"newpack", ""},
        {"Command1", "Create new MissionPack"},
        {"Command2", "Edit Mission"},
        {"Command3", "Add Mission"},
    };
    for (const auto& [name, caption] : managerCaptions)
        EXPECT_EQ(Text(Find<QWidget>(&manager, name)), caption);
    for (const char* list : {"edit", "mission"})
        if (auto* box = Find<QComboBox>(&manager, list)) {
            EXPECT_FALSE(box->isEditable()) << list;
        }

    const fs::path file = folder / "Alpha" / "m1.zdl";
    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), "frmMissionEdit");
    EXPECT_EQ(editor->windowTitle(), QString::fromStdString("Quenbry v1.1 - " + file.string()));
    const std::pair<const char*, const char*> editorCaptions[] = {
        {"virus", "Infect remote host with virus?"},
        {"steal", "Steal file(s) from the remote host?"},
        {"delete", "Kill file(s) on the remote host?"},
        {"Command7", "Save mission"},
    };
    for (const auto& [name, caption] : editorCaptions)
        EXPECT_EQ(Text(Find<QWidget>(editor.get(), name)), caption);

    // Each control sits on its own tab.
    auto* tabs = Find<QTabWidget>(editor.get(), "SSTab1");
    ASSERT_NE(tabs, nullptr);
    const std::pair<const char*, std::vector<const char*>> pages[] = {
        {"Instructions", {"instructions"}},
        {"Email", {"title", "from", "email", "Fields"}},
        {"Objectives", {"virus", "steal", "stealfiles", "delete", "killfiles"}},
        {"File System", {"filesystem"}},
        {"Telnet Login", {"telnet"}},
    };
    ASSERT_EQ(tabs->count(), static_cast<int>(std::size(pages)));
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), pages[i].first);
        for (const char* name : pages[i].second) {
            auto* control = Find<QWidget>(editor.get(), name);
            EXPECT_TRUE(control &&
                        (control == tabs->widget(i) || tabs->widget(i)->isAncestorOf(control)))
                << name << " on " << pages[i].first;
        }
    }

    // The mail fields name themselves beside their boxes.
    const std::pair<const char*, const char*> mailLabels[] = {
        {"title", "Title"}, {"from", "From"}, {"email", "Message"}, {"Fields", "Insert field"}};
    for (const auto& [name, caption] : mailLabels) {
        bool labelled = false;
        for (const QLabel* label : editor->findChildren<QLabel*>())
            labelled |=
                label->buddy() == editor->findChild<QWidget*>(name) && label->text() == caption;
        EXPECT_TRUE(labelled) << name;
    }
    auto* fields = Find<QComboBox>(editor.get(), "Fields");
    ASSERT_EQ(fields->count(), static_cast<int>(std::size(kPlaceholderFields)));
    for (int i = 0; i < fields->count(); ++i) EXPECT_EQ(fields->itemText(i), kPlaceholderFields[i]);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(CreatorWindowsTest, NewMissionShowsTheTemplateAndOpensOnTheInstructions) {
    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    auto* tabs = Find<QTabWidget>(editor.get(), "SSTab1");
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Instructions");

    auto* instructions = Find<QPlainTextEdit>(editor.get(), "instructions");
    EXPECT_TRUE(instructions->isReadOnly());
    EXPECT_EQ(instructions->toPlainText(), "QUENBRY HELP\n  line two\n");
    for (const char* name : {"instructions", "email", "filesystem", "telnet"})
        EXPECT_TRUE(QFontInfo(Find<QWidget>(editor.get(), name)->font()).fixedPitch()) << name;

    const QStringList lines =
        Find<QPlainTextEdit>(editor.get(), "filesystem")->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines.first(), "--autoexec.bat");
    EXPECT_EQ(lines[11], "--{own_ip}");
    EXPECT_EQ(lines.last(), "--Naked.jpg");
    for (const char* name : {"title", "from", "email", "stealfiles", "killfiles", "telnet"})
        EXPECT_EQ(Text(Find<QWidget>(editor.get(), name)), "") << name;
    for (const char* name : {"virus", "steal", "delete"})
        EXPECT_FALSE(Find<QCheckBox>(editor.get(), name)->isChecked()) << name;
    // Nothing is written until the author saves.
    EXPECT_FALSE(fs::exists(folder / "Alpha" / "m1.zdl"));
}

TEST_F(CreatorWindowsTest, MissingInstructionsAreReportedAndUnreadableMissionsNeverOpen) {
    fs::remove(folder / "Quenbry.zdl");
    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(messages, QStringList{kInstructionsFailed});
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "instructions")), kNoInstructions);

    // A virus value that is no number makes the mission unreadable: the editor never runs.
    messages.clear();
    const fs::path broken = folder / "Alpha" / "m1.zdl";
    WriteBytes(broken, "m1.zdl\r\n*INFECT_WITH_VIRUS\r\nmaybe\r\n*END\r\n");
    EXPECT_EQ(MissionEditWindow::Create(broken, folder / "Quenbry.zdl", nullptr, Recorder()),
              nullptr);
    EXPECT_FALSE(MissionEditWindow::Open(broken, folder / "Quenbry.zdl", nullptr, Recorder()));
    EXPECT_EQ(messages,
              (QStringList{kInstructionsFailed, kReadFailed, kInstructionsFailed, kReadFailed}));
}

TEST_F(CreatorWindowsTest, InsertFieldAppendsToTheEndOfTheMessageWhereverTheCaretIs) {
    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    auto* email = Find<QPlainTextEdit>(editor.get(), "email");
    auto* fields = Find<QComboBox>(editor.get(), "Fields");
    email->setPlainText("Hello\nthere");
    email->moveCursor(QTextCursor::Start);

    // The keyboard path: Down from the empty list picks the first entry, "{hacker}".
    fields->setFocus();
    QTest::keyClick(fields, Qt::Key_Down);
    QTest::keyClick(fields, Qt::Key_Down);
    Choose(fields, "{own_ip}");
    EXPECT_EQ(email->toPlainText(), "Hello\nthere{hacker}{hacker}{own_ip}");
    EXPECT_EQ(editor->Fields().email, "Hello\r\nthere{hacker}{hacker}{own_ip}");
}

TEST_F(CreatorWindowsTest, SaveWritesTheSectionsInOrderAndAnUntickedListStaysInItsBox) {
    const fs::path file = folder / "Alpha" / "m1.zdl";
    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(Find<QLineEdit>(editor.get(), "title"), "Night shift");
    QTest::keyClicks(Find<QLineEdit>(editor.get(), "from"), "Vesk");
    Find<QPlainTextEdit>(editor.get(), "email")->setPlainText("{hacker},\nget the plans.");
    Find<QCheckBox>(editor.get(), "virus")->click();
    Find<QCheckBox>(editor.get(), "steal")->click();
    Find<QPlainTextEdit>(editor.get(), "stealfiles")->setPlainText("plans.doc\n;odd.txt");
    // Text under an unticked box is not an objective.
    Find<QPlainTextEdit>(editor.get(), "killfiles")->setPlainText("old.log");
    Find<QPlainTextEdit>(editor.get(), "filesystem")->setPlainText("+Vault\n--plans.doc");
    Find<QPlainTextEdit>(editor.get(), "telnet")->setPlainText("ACME\n\n");

    auto* save = Find<QPushButton>(editor.get(), "Command7");
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{kMissionSaved});
    EXPECT_TRUE(editor->isVisible());
    const std::string head =
        "m1.zdl\r\n*EMAIL\r\nNight shift\r\nVesk\r\n{hacker},\r\nget the plans.\r\n*END\r\n"
        "*INFECT_WITH_VIRUS\r\n 1 \r\n*END\r\n";
    const std::string tail =
        "*DESTROY_FILE\r\n*END\r\n*FOLDER_STUCTURE\r\n+Vault\r\n--plans.doc\r\n*END\r\n"
        "*TELNET_LOGIN_SCREEN\r\nACME\r\n\r\n\r\n*END\r\n";
    EXPECT_EQ(ReadBytes(file), head + "*STEAL_FILE\r\nplans.doc\r\n;odd.txt\r\n*END\r\n" + tail);

    // Saving again, with the steal box unticked: the section empties, the box keeps its text.
    Find<QCheckBox>(editor.get(), "steal")->click();
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(messages, (QStringList{kMissionSaved, kMissionSaved}));
    EXPECT_EQ(ReadBytes(file), head + "*STEAL_FILE\r\n*END\r\n" + tail);
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "stealfiles")), "plans.doc\n;odd.txt");
}

TEST_F(CreatorWindowsTest, ALoadedMissionFillsTheBoxesAndSavesBackByteForByte) {
    // Code-page characters above 0x7F (e acute, the euro sign) cross the Qt boundary both ways.
    MissionFields fields;
    fields.title = "Caf\xE9 job";
    fields.from = "Vesk";
    fields.email = "Pay: 50 \x80\r\n\r\n-- v";
    fields.virus = true;
    fields.del = true;
    fields.killfiles = "a.txt\r\nb.txt";
    fields.filesystem = "+Logs\r\n--{own_ip}";
    fields.telnet = "WELCOME";
    const fs::path file = folder / "Alpha" / "m2.zdl";
    const std::string original = MissionFileText(fields, "m2.zdl");
    WriteBytes(file, original);

    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "title")), QString::fromUtf8("Caf\u00e9 job"));
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "email")),
              QString::fromUtf8("Pay: 50 \u20ac\n\n-- v"));
    EXPECT_TRUE(Find<QCheckBox>(editor.get(), "virus")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(editor.get(), "steal")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(editor.get(), "delete")->isChecked());
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "killfiles")), "a.txt\nb.txt");
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "filesystem")), "+Logs\n--{own_ip}");

    fs::remove(file);
    EXPECT_TRUE(editor->SaveMission());
    EXPECT_EQ(ReadBytes(file), original);
}

TEST_F(CreatorWindowsTest, AnUneditedMissionKeepsEveryByteThroughTheBoxes) {
    const fs::path file = folder / "Alpha" / "m1.zdl";
    const std::string original = EveryByteMission("m1.zdl");
    WriteBytes(file, original);
    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->SaveMission());
    const std::string saved = ReadBytes(file);
    EXPECT_EQ(saved, original);
    for (std::size_t at = 0; at < std::min(saved.size(), original.size()); ++at)
        if (saved[at] != original[at]) {
            ADD_FAILURE() << "first changed byte " << int(static_cast<unsigned char>(original[at]))
                          << " at " << at << " became "
                          << int(static_cast<unsigned char>(saved[at]));
            break;
        }
}

TEST_F(CreatorWindowsTest, EscapeLeavesTheEditorOpenWithItsText) {
    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    auto* mail = Find<QPlainTextEdit>(editor.get(), "email");
    mail->setFocus();
    QTest::keyClicks(mail, "hours of typing");
    QTest::keyClick(mail, Qt::Key_Escape);
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(mail->toPlainText(), "hours of typing");
    // The close box still closes it, without a question.
    editor->close();
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(CreatorWindowsTest, AOneLineFieldKeepsTheFirstLineOfAPaste) {
    const fs::path file = folder / "Alpha" / "m1.zdl";
    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    auto* title = Find<QLineEdit>(editor.get(), "title");
    auto* from = Find<QLineEdit>(editor.get(), "from");
    struct Paste {
        QLineEdit* box;
        QString before;
        int caret;
        QString clip;
        QString after;
    };
    const Paste pastes[] = {{title, "", 0, "Heist\r\nline two", "Heist"},
                            {from, "ab", 1, "X\nY", "aXb"},
                            {title, "job", 3, "\r\nrest", "job"}};
    for (const Paste& paste : pastes) {
        paste.box->setText(paste.before);
        paste.box->setCursorPosition(paste.caret);
        QApplication::clipboard()->setText(paste.clip);
        paste.box->setFocus();
        QTest::keySequence(paste.box, QKeySequence::Paste);
        EXPECT_EQ(paste.box->text(), paste.after) << paste.clip.toStdString();
    }
    ASSERT_TRUE(editor->SaveMission());
    EXPECT_NE(ReadBytes(file).find("*EMAIL\r\njob\r\naXb\r\n"), std::string::npos);
}

TEST_F(CreatorWindowsTest, AFailedSaveKeepsTheEditorOpenWithEverythingTyped) {
    const fs::path file = folder / "Alpha" / "m1.zdl";
    WriteBytes(file, MissionFileText(NewMissionFields(), "m1.zdl"));
    const std::string before = ReadBytes(file);
    auto editor = Editor(file);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(Find<QLineEdit>(editor.get(), "title"), "Do not lose me");
    Find<QPlainTextEdit>(editor.get(), "telnet")->setPlainText("hours of\nASCII art");

    // The disk is full.
    {
        FullDisk full;
        QTest::mouseClick(Find<QPushButton>(editor.get(), "Command7"), Qt::LeftButton);
    }
    EXPECT_EQ(messages, QStringList{kWriteFailed});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "title")), "Do not lose me");
    EXPECT_EQ(Text(Find<QWidget>(editor.get(), "telnet")), "hours of\nASCII art");
    EXPECT_EQ(ReadBytes(file), before);

    // Once there is room again the same click saves it all.
    QTest::mouseClick(Find<QPushButton>(editor.get(), "Command7"), Qt::LeftButton);
    EXPECT_EQ(messages, (QStringList{kWriteFailed, kMissionSaved}));
    EXPECT_NE(ReadBytes(file).find("Do not lose me\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(file).find("hours of\r\nASCII art\r\n*END"), std::string::npos);
}

TEST_F(CreatorWindowsTest, CreatePackRefreshesTheListBeforeItsMessage) {
    PackManagerWindow manager(folder);
    auto* packs = Find<QComboBox>(&manager, "edit");
    auto* name = Find<QLineEdit>(&manager, "newpack");
    auto* create = Find<QPushButton>(&manager, "Command1");
    QStringList listedAtMessage;
    manager.SetMessageFunction([&](const QString& text) {
        messages << text;
        QStringList listed;
        for (int i = 0; i < packs->count(); ++i) listed << packs->itemText(i);
        listedAtMessage << listed.join(',');
    });
    EXPECT_EQ(packs->count(), 1);
    EXPECT_EQ(packs->currentIndex(), -1);

    struct Case {
        const char* name;
        const char* message;
        const char* listed;
    };
    const Case cases[] = {
        {"", PackManager::kNoPackName, "Alpha"},
        {"Beta", PackManager::kPackCreated, "Alpha,Beta"},
        {"Beta", PackManager::kCreationFailed, "Alpha,Beta"},
        {"../Outside", PackManager::kCreationFailed, "Alpha,Beta"},
    };
    for (const Case& test : cases) {
        messages.clear();
        listedAtMessage.clear();
        name->setText(test.name);
        QTest::mouseClick(create, Qt::LeftButton);
        EXPECT_EQ(messages, QStringList{test.message}) << test.name;
        EXPECT_EQ(listedAtMessage, QStringList{test.listed}) << test.name;
        EXPECT_EQ(packs->currentIndex(), -1) << test.name;
        EXPECT_EQ(name->text(), test.name);
    }
    EXPECT_TRUE(fs::is_directory(folder / "Beta"));
    EXPECT_FALSE(fs::exists(folder.parent_path() / "Outside"));
}

// "Check Pack" runs the pack checker as a program of its own; its lines fill the list, and a
// double-click on a line opens the mission it names.
TEST_F(CreatorWindowsTest, CheckPackListsTheCheckersLinesAndOpensTheMissionOfALine) {
    const std::string mission =
        "m1.zdl\r\n*EMAIL\r\njob\r\nfixer\r\nhost {atack_ip} port {attack_port} login "
        "{random_login} password {random_password}\r\n*END\r\n*INFECT_WITH_VIRUS\r\n0\r\n*END\r\n"
        "*FOLDER_STUCTURE\r\n+Logs\r\n--{own_ip}\r\n*END\r\n*TELNET_LOGIN_SCREEN\r\nGATE\r\n*END\r\n";
    WriteBytes(folder / "Alpha" / "m1.zdl", mission);
    PackManagerWindow manager(folder);
    manager.SetMessageFunction(Recorder());
    std::vector<fs::path> opened;
    manager.SetEditorFunction([&](const fs::path& file, const MissionSpot&) { opened.push_back(file); });
    auto* check = Find<QPushButton>(&manager, "cmdCheckPack");
    auto* lines = Find<QListWidget>(&manager, "lstCheck");
    ASSERT_NE(check, nullptr);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(check->text(), "Check Pack");

    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{PackManager::kChoosePackToCheck});
    EXPECT_FALSE(manager.CheckRunning());

    auto listed = [lines] {
        QStringList texts;
        for (int i = 0; i < lines->count(); ++i) texts << lines->item(i)->text();
        return texts.join('\n').toStdString();
    };
    manager.SetCheckerProgram(ZINDREL_CHECKER);
    Choose(Find<QComboBox>(&manager, "edit"), "Alpha");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!manager.CheckRunning(), 30000);
    EXPECT_TRUE(check->isEnabled());
    EXPECT_EQ(listed(),
              "m1.zdl: error: no {attack_ip}: the target gets an address that no mail tells\n"
              "m1.zdl:5: error: unknown placeholder {atack_ip}: the game leaves it in the text\n"
              "Alpha: 1 mission checked, 2 errors, 0 warnings");

    emit lines->itemActivated(lines->item(2));
    EXPECT_TRUE(opened.empty());
    emit lines->itemActivated(lines->item(1));
    EXPECT_EQ(opened, std::vector<fs::path>{folder / "Alpha" / "m1.zdl"});

    // Fixed, the pack checks clean; a checker that cannot start says so in the list.
    std::string fixed = mission;
    fixed.replace(fixed.find("atack"), 5, "attack");
    WriteBytes(folder / "Alpha" / "m1.zdl", fixed);
    QTest::mouseClick(check, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!manager.CheckRunning(), 30000);
    EXPECT_EQ(listed(), "Alpha: 1 mission checked, 0 errors, 0 warnings");

    manager.SetCheckerProgram((folder / "no-such-checker").c_str());
    QTest::mouseClick(check, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!manager.CheckRunning(), 30000);
    ASSERT_EQ(lines->count(), 1);
    EXPECT_TRUE(lines->item(0)->text().contains("could not be started")) << lines->item(0)->text().toStdString();
    EXPECT_TRUE(check->isEnabled());
}

// A checker line leads to the problem: the editor opens on the tab of the named line's field,
// the cursor on that line; a problem of the whole file leads to the field it speaks of.
TEST_F(CreatorWindowsTest, ACheckerLineOpensTheEditorOnTheTabAndLineItNames) {
    WriteBytes(folder / "Alpha" / "m1.zdl",
               "m1.zdl\r\n*EMAIL\r\njob\r\nfixer\r\nhost {attack_ip}\r\n;note\r\nsecond line\r\n"
               "*END\r\n*INFECT_WITH_VIRUS\r\n0\r\n*END\r\n*STEAL_FILE\r\nsecret.doc\r\n"
               "plans.doc\r\n*END\r\n*DESTROY_FILE\r\n0\r\n*END\r\n*FOLDER_STUCTURE\r\n+Logs\r\n"
               "--{own_ip}\r\n*END\r\n*TELNET_LOGIN_SCREEN\r\nGATE\r\n*END\r\n");
    const struct {
        const char* line;
        const char* tab;
        const char* field;
        int block;  // the cursor's line in a text box; -1 for a one-line field or a check box
    } cases[] = {
        {"m1.zdl:3: warning: the title is long", "Email", "title", -1},
        {"m1.zdl:4: warning: no sender", "Email", "from", -1},
        {"m1.zdl:7: error: unknown placeholder {x}", "Email", "email", 1},
        {"m1.zdl:6: warning: a comment", "Email", "email", 0},
        {"m1.zdl:8: warning: the mail ends here", "Email", "email", 1},
        {"m1.zdl:10: error: the virus value is no number", "Objectives", "virus", -1},
        {"m1.zdl:14: error: plans.doc is not on the host", "Objectives", "stealfiles", 1},
        {"m1.zdl:17: warning: nothing to destroy", "Objectives", "killfiles", 0},
        {"m1.zdl:21: error: a file outside a folder", "File System", "filesystem", 1},
        {"m1.zdl:24: warning: the login screen is short", "Telnet Login", "telnet", 0},
        {"m1.zdl: error: no {attack_ip}: the target gets an address that no mail tells",
         "Email", "email", 0},
        {"m1.zdl: error: the mission needs Virus Uploader", "Objectives", "virus", -1},
        {"m1.zdl: error: the game cannot load this mission", "Instructions", "instructions", -1},
    };
    // The checker here is a stand-in that prints the lines of the table.
    std::string script = "#!/bin/sh\n";
    for (const auto& c : cases) script += std::string("printf '%s\\n' '") + c.line + "'\n";
    WriteBytes(folder / "checker.sh", script);
    fs::permissions(folder / "checker.sh", fs::perms::owner_all);

    PackManagerWindow manager(folder);
    manager.SetMessageFunction(Recorder());
    std::vector<MissionSpot> spots;
    manager.SetEditorFunction(
        [&](const fs::path&, const MissionSpot& spot) { spots.push_back(spot); });
    manager.SetCheckerProgram((folder / "checker.sh").c_str());
    Choose(Find<QComboBox>(&manager, "edit"), "Alpha");
    QTest::mouseClick(Find<QPushButton>(&manager, "cmdCheckPack"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!manager.CheckRunning(), 30000);
    auto* lines = Find<QListWidget>(&manager, "lstCheck");
    ASSERT_EQ(lines->count(), static_cast<int>(std::size(cases)));

    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    auto* tabs = Find<QTabWidget>(editor.get(), "SSTab1");
    for (int i = 0; i < lines->count(); ++i) {
        const auto& c = cases[i];
        spots.clear();
        emit lines->itemActivated(lines->item(i));
        ASSERT_EQ(spots.size(), 1u) << c.line;
        editor->ShowSpot(spots[0]);
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()).toStdString(), c.tab) << c.line;
        QWidget* focused = editor->focusWidget();
        ASSERT_NE(focused, nullptr) << c.line;
        EXPECT_EQ(focused->objectName().toStdString(), c.field) << c.line;
        if (c.block >= 0) {
            auto* box = qobject_cast<QPlainTextEdit*>(focused);
            ASSERT_NE(box, nullptr) << c.line;
            EXPECT_EQ(box->textCursor().blockNumber(), c.block) << c.line;
        }
    }
}

TEST_F(CreatorWindowsTest, TheMissionButtonsAskForAChoiceThenOpenTheRightFile) {
    for (const char* file : {"m1.zdl", "m2.zdl", "notes.txt"})
        WriteBytes(folder / "Alpha" / file, "");
    PackManagerWindow manager(folder);
    manager.SetMessageFunction(Recorder());
    std::vector<fs::path> opened;
    manager.SetEditorFunction([&](const fs::path& file, const MissionSpot&) { opened.push_back(file); });
    auto* packs = Find<QComboBox>(&manager, "edit");
    auto* missions = Find<QComboBox>(&manager, "mission");
    auto* edit = Find<QPushButton>(&manager, "Command2");
    auto* add = Find<QPushButton>(&manager, "Command3");

    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(messages, (QStringList{PackManager::kChooseMission, PackManager::kChoosePack}));
    EXPECT_TRUE(opened.empty());

    Choose(packs, "Alpha");
    ASSERT_EQ(missions->count(), 2);
    EXPECT_EQ(missions->itemText(0), "m1.zdl");
    EXPECT_EQ(missions->itemText(1), "m2.zdl");
    EXPECT_EQ(missions->currentIndex(), -1);
    messages.clear();
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{PackManager::kChooseMission});

    Choose(missions, "m2.zdl");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(opened,
              (std::vector<fs::path>{folder / "Alpha" / "m2.zdl", folder / "Alpha" / "m3.zdl"}));

    // A new pack in the list leaves no pack chosen, so no stale mission can be opened.
    Find<QLineEdit>(&manager, "newpack")->setText("Beta");
    QTest::mouseClick(Find<QPushButton>(&manager, "Command1"), Qt::LeftButton);
    EXPECT_EQ(missions->count(), 0);
}

TEST_F(CreatorWindowsTest, AddMissionRunsTheEditorModallyAndLeavesTheListAsItWas) {
    PackManagerWindow manager(folder);
    manager.SetMessageFunction(Recorder());
    manager.show();
    auto* packs = Find<QComboBox>(&manager, "edit");
    auto* missions = Find<QComboBox>(&manager, "mission");
    Choose(packs, "Alpha");
    ASSERT_EQ(missions->count(), 0);

    // While the editor runs, save the new mission from inside it and close it.
    QString editorTitle;
    bool wasModal = false;
    QTimer::singleShot(0, &manager, [&] {
        auto* editor = manager.findChild<QDialog*>("frmMissionEdit");
        ASSERT_NE(editor, nullptr);
        editorTitle = editor->windowTitle();
        wasModal = QApplication::activeModalWidget() == editor;
        QTest::mouseClick(editor->findChild<QPushButton*>("Command7"), Qt::LeftButton);
        editor->reject();
    });
    QTest::mouseClick(Find<QPushButton>(&manager, "Command3"), Qt::LeftButton);
    const fs::path file = folder / "Alpha" / "m1.zdl";
    EXPECT_EQ(editorTitle, QString::fromStdString("Quenbry v1.1 - " + file.string()));
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(messages, QStringList{kMissionSaved});
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(manager.findChild<QDialog*>("frmMissionEdit"), nullptr);

    EXPECT_EQ(missions->count(), 0);
    Choose(packs, "Alpha");
    EXPECT_EQ(missions->count(), 1);

    // An unreadable mission reports itself through the same messages and opens nothing.
    WriteBytes(file, "m1.zdl\r\n*INFECT_WITH_VIRUS\r\nmaybe\r\n");
    messages.clear();
    Choose(missions, "m1.zdl");
    QTest::mouseClick(Find<QPushButton>(&manager, "Command2"), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{kReadFailed});
}

// The keyboard's place shows on every control of both windows: a ring that stands out by 3:1
// from the control unfocused and from its surroundings, measured on the rendered window.
TEST_F(CreatorWindowsTest, EveryFocusableControlShowsARingThatStandsOut) {
    FocusRingWindow::Install();  // as main does
    WriteBytes(folder / "Alpha" / "m1.zdl", "m1.zdl\r\n*EMAIL\r\njob\r\nfixer\r\nhi\r\n*END\r\n");
    PackManagerWindow manager(folder);
    auto editor = Editor(folder / "Alpha" / "m1.zdl");
    ASSERT_NE(editor, nullptr);
    auto* tabs = Find<QTabWidget>(editor.get(), "SSTab1");
    ExpectRingsOnEveryControl(&manager, "pack manager");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        ExpectRingsOnEveryControl(editor.get(), tabs->tabText(tab).toStdString());
    }
    // A closed editor takes its ring along; the next focus change brings one back.
    editor.reset();
    auto* check = Find<QPushButton>(&manager, "cmdCheckPack");
    manager.activateWindow();
    EXPECT_GE(FocusRing(&manager, check), 0.9);
}

}  // namespace
