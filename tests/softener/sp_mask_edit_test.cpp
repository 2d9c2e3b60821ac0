// The masked field through real key events: overwrite editing, literals,
// refused keys, Backspace and Delete.
#include <gtest/gtest.h>

#include <QTest>

#include "widgets/sp_mask_edit.h"

namespace {

class MaskField : public ::testing::Test {
  protected:
    void SetUp() override {
        field.show();
        field.activateWindow();
        field.setFocus();
    }
    void use(const char* mask, const char* text) {
        field.setMask(mask);
        field.setMaskedText(text);
    }
    void caretAt(int position) { field.setCursorPosition(position); }
    SPMaskEdit field;
};

}  // namespace

TEST_F(MaskField, SetTextFillsEditPositionsFromTheLeft) {
    use("###.###", "123");
    EXPECT_EQ(field.text(), "123.___");
    EXPECT_EQ(field.maskedText(), "123___");
    use("##:##", "1800");
    EXPECT_EQ(field.text(), "18:00");
    EXPECT_EQ(field.maskedText(), "1800");
    use("####,#", "1234567");  // 12345.6 printed: the surplus digit is dropped
    EXPECT_EQ(field.text(), "1234,5");
    use("###,#", "  84");  // "%5.1f" of 8.4 without its point
    EXPECT_EQ(field.text(), "  8,4");
    use("?#", "ab");  // set text does not check
    EXPECT_EQ(field.text(), "ab");
}

TEST_F(MaskField, TypingOverwritesAndStepsOverLiterals) {
    use("##:##", "1200");
    caretAt(0);
    QTest::keyClicks(&field, "07");
    EXPECT_EQ(field.text(), "07:00");
    EXPECT_EQ(field.cursorPosition(), 3);  // behind the colon
    QTest::keyClicks(&field, "45");
    EXPECT_EQ(field.text(), "07:45");
    EXPECT_EQ(field.text().size(), 5);

    // Typing onto the literal stores nothing and moves behind it.
    caretAt(2);
    QTest::keyClicks(&field, "9");
    EXPECT_EQ(field.text(), "07:45");
    EXPECT_EQ(field.cursorPosition(), 3);

    // At the end the field does not grow.
    caretAt(5);
    QTest::keyClicks(&field, "1");
    EXPECT_EQ(field.text(), "07:45");
}

TEST_F(MaskField, LettersAreRefusedInDigitPositions) {
    use("###", "123");
    caretAt(1);
    QTest::keyClicks(&field, "x");
    EXPECT_EQ(field.text(), "123");
    EXPECT_EQ(field.cursorPosition(), 1);
    use("?#", "__");
    caretAt(0);
    QTest::keyClicks(&field, "5");
    EXPECT_EQ(field.text(), "__");
    QTest::keyClicks(&field, "A7");
    EXPECT_EQ(field.text(), "A7");
}

TEST_F(MaskField, BackspaceAndDelete) {
    use("##:##", "1234");
    caretAt(5);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "12:3_");
    EXPECT_EQ(field.cursorPosition(), 4);
    // Right behind the literal: the digit in front of it is cleared too.
    caretAt(3);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "1_:3_");
    EXPECT_EQ(field.cursorPosition(), 2);

    use("###.###", "123456");
    caretAt(2);
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "12_.456");
    EXPECT_EQ(field.cursorPosition(), 4);  // the next edit position after the point
}
