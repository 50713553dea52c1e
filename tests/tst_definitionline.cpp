#include "definitionline.h"

#include <QtTest>

class DefinitionLineTest : public QObject
{
    Q_OBJECT

private slots:
    void linesAreRecognisedByTheirStart_data();
    void linesAreRecognisedByTheirStart();
};

void DefinitionLineTest::linesAreRecognisedByTheirStart_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    const int header = DefinitionLine::SectionHeader;
    const int output = DefinitionLine::OutputName;
    const int cv = DefinitionLine::CvValue;
    const int ignored = DefinitionLine::Ignored;

    QTest::newRow("header names a section") << "[Decoder A]" << header << 0 << "Decoder A" << 0;
    QTest::newRow("header keeps blanks inside the brackets") << "[ A ]" << header << 0 << " A " << 0;
    QTest::newRow("brackets alone give an empty name") << "[]" << header << 0 << "" << 0;
    QTest::newRow("nested brackets keep the inner ones") << "[[x]]" << header << 0 << "[x]" << 0;
    QTest::newRow("closing bracket twice") << "[]]" << header << 0 << "]" << 0;
    QTest::newRow("blank before the bracket is no header") << " [A]" << ignored << 0 << "" << 0;
    QTest::newRow("blank after the bracket is no header") << "[A] " << ignored << 0 << "" << 0;
    QTest::newRow("opening bracket alone") << "[" << ignored << 0 << "" << 0;
    QTest::newRow("closing bracket alone") << "]" << ignored << 0 << "" << 0;

    QTest::newRow("output name between quotes") << "i1 = \"Licht vorwärts\"" << output << 1 << "Licht vorwärts" << 0;
    QTest::newRow("last output") << "i14 = \"Rauch\"" << output << 14 << "Rauch" << 0;
    QTest::newRow("leading zero in the output number") << "i01 = \"X\"" << output << 1 << "X" << 0;
    QTest::newRow("empty output name") << "i3 = \"\"" << output << 3 << "" << 0;
    QTest::newRow("text after the closing quote stays but its last letter") << "i1 = \"Name\" ; note" << output << 1 << "Name\" ; not" << 0;
    QTest::newRow("no quotes take the line less its last letter") << "i2 Name" << output << 2 << "i2 Nam" << 0;
    QTest::newRow("output 0 is ignored") << "i0 = \"X\"" << ignored << 0 << "" << 0;
    QTest::newRow("output 15 is ignored") << "i15 = \"X\"" << ignored << 0 << "" << 0;
    QTest::newRow("no blank after the number") << "i1\"Name\"" << ignored << 0 << "" << 0;
    QTest::newRow("blank right after the letter") << "i 1 = \"Name\"" << ignored << 0 << "" << 0;
    QTest::newRow("output number beyond 32 bits") << "i2147483648 = \"X\"" << ignored << 0 << "" << 0;
    QTest::newRow("upper-case I is no output line") << "I1 = \"X\"" << ignored << 0 << "" << 0;
    QTest::newRow("indented output line") << "  i1 = \"X\"" << ignored << 0 << "" << 0;

    QTest::newRow("CV value") << "CV33 = 1" << cv << 33 << "1" << 1;
    QTest::newRow("last CV") << "CV46 = 128" << cv << 46 << "128" << 128;
    QTest::newRow("no blank before the equals sign") << "CV33=5" << ignored << 0 << "" << 0;
    QTest::newRow("no blank after the equals sign") << "CV33 =5" << cv << 33 << "5" << 5;
    QTest::newRow("blanks around the value are trimmed") << "CV34 =   7   " << cv << 34 << "7" << 7;
    QTest::newRow("CV 32 is ignored") << "CV32 = 1" << ignored << 0 << "" << 0;
    QTest::newRow("CV 47 is ignored") << "CV47 = 1" << ignored << 0 << "" << 0;
    QTest::newRow("comment after the value stores 0") << "CV33 = 5 ; note" << cv << 33 << "5 ; note" << 0;
    QTest::newRow("negative value is kept") << "CV33 = -3" << cv << 33 << "-3" << -3;
    QTest::newRow("value above a byte is kept") << "CV33 = 300" << cv << 33 << "300" << 300;
    QTest::newRow("hexadecimal reads as 0") << "CV33 = 0x10" << cv << 33 << "0x10" << 0;
    QTest::newRow("largest 32-bit value") << "CV33 = 2147483647" << cv << 33 << "2147483647" << 2147483647;
    QTest::newRow("smallest 32-bit value") << "CV33 = -2147483648" << cv << 33 << "-2147483648" << int(-2147483648LL);
    QTest::newRow("beyond 32 bits reads as 0") << "CV33 = 99999999999" << cv << 33 << "99999999999" << 0;
    QTest::newRow("no equals sign takes the whole line") << "CV33 5" << cv << 33 << "CV33 5" << 0;
    QTest::newRow("lower-case cv is no CV line") << "cv33 = 1" << ignored << 0 << "" << 0;
    QTest::newRow("mixed-case Cv is no CV line") << "Cv33 = 1" << ignored << 0 << "" << 0;

    QTest::newRow("empty line") << "" << ignored << 0 << "" << 0;
    QTest::newRow("comment") << "; decoder list" << ignored << 0 << "" << 0;
    QTest::newRow("ordinary INI key") << "name = value" << ignored << 0 << "" << 0;
}

void DefinitionLineTest::linesAreRecognisedByTheirStart()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(int, value);

    const DefinitionLine parsed = parseDefinitionLine(line);
    QCOMPARE(int(parsed.kind), kind);
    if (kind == DefinitionLine::Ignored)
        return;
    QCOMPARE(parsed.number, number);
    QCOMPARE(parsed.text, text);
    QCOMPARE(parsed.value, value);
}

QTEST_APPLESS_MAIN(DefinitionLineTest)
#include "tst_definitionline.moc"
