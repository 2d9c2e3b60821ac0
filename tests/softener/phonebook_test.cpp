// The main window with its configuration file: the sorted phonebook, the
// dial-number lookup, saving and deleting locations, the port question at
// exit, and a corrupt file ending the program.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <fstream>
#include <sstream>

#include "file_bytes.h"
#include "ksv2_fixture.h"
#include "resources/ids/ksv2_ids.h"

using namespace ksv2::ids;
using testsupport::Ksv2Window;

namespace {

const std::string kPhonebook =
    "//never edit this file !//\r\nCOM2\r\nZeche|0231\r\nalte Halle|0711\r\nBrunnen|089\r\n"
    "0170111\r\n";

}  // namespace

class Ksv2Phonebook : public Ksv2Window {
  protected:
    void SetUp() override {
        std::ofstream(workFolder.path() + "/AquendorKSV2.ini", std::ios::binary) << kPhonebook;
        start(unitsim::Config{}, "AquendorKSV2 english");
    }
    QComboBox* locations() { return shell::controlAs<QComboBox>(window.get(), LocationCombo); }
    std::string ini() { return testsupport::fileBytes(workFolder.path() + "/AquendorKSV2.ini"); }
    QStringList items() {
        QStringList names;
        for (int i = 0; i < locations()->count(); ++i) names << locations()->itemText(i);
        return names;
    }
};

TEST_F(Ksv2Phonebook, StartFillsTheSortedListsAndSelectionDials) {
    EXPECT_EQ(items(), (QStringList{"alte Halle", "Brunnen", "Zeche"}));
    EXPECT_EQ(locations()->currentText(), "");  // filling the list leaves the field alone
    auto* sms = shell::controlAs<QComboBox>(window->func4Page(), SmsNumberCombo);
    ASSERT_EQ(sms->count(), 1);
    EXPECT_EQ(sms->itemText(0), "0170111");
    emit locations()->activated(1);
    EXPECT_EQ(edit(DialNumberEdit)->text(), "089");
}

TEST_F(Ksv2Phonebook, SaveAndDeleteButtons) {
    locations()->setEditText("Kl\u00E4ranlage");
    edit(DialNumberEdit)->setText("0621");
    click(SaveLocationButton);
    EXPECT_EQ(messages.lastText(), "location saved !");
    EXPECT_EQ(messages.shown.back().caption, QString::fromUtf8("Aquendor\u00AE KSV2"));
    EXPECT_EQ(messages.shown.back().icon, shell::MessageIcon::Information);
    EXPECT_EQ(items(), (QStringList{"alte Halle", "Brunnen", "Kl\u00E4ranlage", "Zeche"}));
    EXPECT_NE(ini().find("Brunnen|089\r\nKl\xE4ranlage|0621\r\n0170111\r\n"), std::string::npos);

    messages.answers.push_back(shell::MessageAnswer::Yes);
    locations()->setEditText("Zeche");
    click(DeleteLocationButton);
    EXPECT_EQ(messages.shown.back().text, "location deleted !");
    const auto& question = messages.shown[messages.shown.size() - 2];
    EXPECT_EQ(question.text, "Are you shure to delete the location Zeche ?");
    EXPECT_EQ(question.icon, shell::MessageIcon::Stop);
    EXPECT_TRUE(question.keepOnTop);
    EXPECT_EQ(items(), (QStringList{"alte Halle", "Brunnen", "Kl\u00E4ranlage"}));
    EXPECT_EQ(ini().find("Zeche"), std::string::npos);
}

TEST_F(Ksv2Phonebook, EnterInTheLocationFieldDoesNothing) {
    bool ended = false;
    window->endProgram = [&ended] { ended = true; };
    QLineEdit* field = locations()->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, "Werk Nord");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_EQ(items(), (QStringList{"alte Halle", "Brunnen", "Zeche"}));
    EXPECT_EQ(field->text(), "Werk Nord");
    EXPECT_EQ(ini(), kPhonebook);
}

TEST_F(Ksv2Phonebook, ANameThatBeginsAnotherIsTypedAsItIs) {
    // No completion: "Brun" stays "Brun" although "Brunnen" is listed.
    QLineEdit* field = locations()->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, "Brun");
    EXPECT_EQ(locations()->currentText(), "Brun");
    edit(DialNumberEdit)->setText("0815");
    click(SaveLocationButton);
    EXPECT_EQ(messages.lastText(), "location saved !");
    EXPECT_NE(ini().find("Brun|0815\r\n"), std::string::npos);
}

TEST_F(Ksv2Phonebook, NamesSortAsTheLanguageOrdersThem) {
    locations()->setEditText("\u00C4rztehaus");
    edit(DialNumberEdit)->setText("0621");
    click(SaveLocationButton);
    EXPECT_EQ(items(), (QStringList{"alte Halle", "\u00C4rztehaus", "Brunnen", "Zeche"}));
}

TEST_F(Ksv2Phonebook, ChangedPortIsStoredOnlyWhenConfirmed) {
    ASSERT_TRUE(sim->bindComName(ports.path(), "COM4"));
    QLineEdit* com = edit(ComDigitEdit);
    com->setFocus();
    com->selectAll();
    QTest::keyClicks(com, "4");
    edit(SerialNumberEdit)->setFocus();
    EXPECT_EQ(window->port().name(), "COM4");
    messages.answers.push_back(shell::MessageAnswer::No);
    click(ExitButton);
    EXPECT_EQ(messages.lastText(), "interface is changed from COM2\nto COM4\nsave setting?");
    EXPECT_EQ(ini(), kPhonebook);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Ksv2Phonebook, PortChangeConfirmedKeepsTheFileLength) {
    edit(ComDigitEdit)->setText("4");
    messages.answers.push_back(shell::MessageAnswer::Yes);
    click(ExitButton);
    std::string expected = kPhonebook;
    expected[31] = '4';
    EXPECT_EQ(ini(), expected);
}

TEST_F(Ksv2Phonebook, ACorruptFileEndsTheProgramWithExitCodeZero) {
    window.reset();
    std::ofstream(workFolder.path() + "/AquendorKSV2.ini", std::ios::binary)
        << "//never edit this file !//\r\nCOM0\r\n";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        // Every message goes through the pipe; the real end of the program follows.
        struct PipeMessages : shell::ScriptedMessageService {
            int fd = -1;
            shell::MessageAnswer show(QWidget* parent, const shell::Message& m) override {
                const QByteArray text = m.text.toUtf8();
                (void)!::write(fd, text.constData(), static_cast<std::size_t>(text.size()));
                return ScriptedMessageService::show(parent, m);
            }
        } pipeMessages;
        pipeMessages.fd = fds[1];
        CAquendorKSV2Dlg doomed(pipeMessages);
        doomed.startUp("AquendorKSV2 english");
        _exit(3);
    }
    close(fds[1]);
    std::string shown;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) shown.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(shown, "file AquendorKSV2.ini corrupted!\n" + workFolder.path() +
                         "/AquendorKSV2.ini\nplease delete AquendorKSV2.ini and start again\nexit "
                         "program");
}
