// Project files are untrusted input: truncated, flipped, oversized or
// inconsistent files are refused with a box, never crash or hang, and leave
// the model exactly as it was.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>

namespace {

const char* const kDamagedPrefix = "Cannot read the TARVO/KLX project file.\n\n(Damaged file: ";

std::string RichProjectBytes()
{
    CSectModel model;
    BuildRichModel(model);
    return ProjectBytes(model);
}

// A refused file shows one error box and leaves the model new.
void ExpectRefused(const std::string& bytes, const std::string& boxStart = kDamagedPrefix)
{
    ReportingModel reader;
    EXPECT_FALSE(ReadFromBytes(reader.model, bytes, true));
    ASSERT_EQ(reader.user.boxes.size(), 1u);
    EXPECT_EQ(reader.user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(reader.user.boxes[0].text.rfind(boxStart, 0), 0u) << reader.user.boxes[0].text;
    EXPECT_TRUE(reader.user.lines.empty());
    ExpectNewModel(reader.model);
}

TEST(ProjectFileHostileTest, EveryProperPrefixOfARichFileIsRefused)
{
    const std::string whole = RichProjectBytes();
    ASSERT_GT(whole.size(), 2000u);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectRefused(whole.substr(0, length), length < 4 ? "Cannot read the TARVO/KLX project file." : kDamagedPrefix);
        if (HasFailure())
            return;
    }
}

TEST(ProjectFileHostileTest, FlippedBytesNeverYieldABrokenModel)
{
    // Without its long name, which holds nothing worth flipping.
    CSectModel rich;
    BuildRichModel(rich);
    rich.m_materials.erase(5);
    const std::string whole = ProjectBytes(rich);
    for (unsigned char mask : {0xFFu, 0x01u}) {
        for (std::size_t at = 0; at < whole.size(); ++at) {
            std::string flipped = whole;
            flipped[at] = static_cast<char>(flipped[at] ^ mask);
            ReportingModel reader;
            if (!ReadFromBytes(reader.model, flipped)) {
                ExpectNewModel(reader.model);
                continue;
            }
            // What was accepted must be a model our own reader takes again,
            // unchanged to the byte.
            const std::string accepted = ProjectBytes(reader.model);
            ReportingModel again;
            ASSERT_TRUE(ReadFromBytes(again.model, accepted)) << at;
            ASSERT_EQ(ProjectBytes(again.model), accepted) << at;
            if (HasFailure())
                return;
        }
    }
}

// An empty project with its collections spelt out, so that one field can be
// replaced by a hostile value.
struct EmptyProjectParts {
    LayoutBytes header = NewProjectHeader();
    std::string sections = LayoutBytes().UInt(0).bytes;
    std::string loops = LayoutBytes().UInt(0).bytes;
    std::string curves = LayoutBytes().UInt(0).bytes;
    std::string points = LayoutBytes().UInt(0).bytes;
    std::string materials = LayoutBytes().UInt(0).bytes;
    std::string ucs = [] {
        LayoutBytes gcs;
        gcs.UInt(1);
        return AppendNewGcsRecord(gcs).bytes;
    }();
    std::string groups = LayoutBytes().UInt(0).bytes;

    std::string Bytes() const { return header.bytes + sections + loops + curves + points + materials + ucs + groups; }
};

TEST(ProjectFileHostileTest, CountsOfAllOnesAreRefusedBeforeAnythingIsBuilt)
{
    const std::string allOnes = LayoutBytes().UInt(0xFFFFFFFFu).bytes;
    const std::vector<std::function<void(EmptyProjectParts&)>> hostile = {
        [&](EmptyProjectParts& p) { p.sections = allOnes; },
        [&](EmptyProjectParts& p) { p.loops = allOnes; },
        [&](EmptyProjectParts& p) { p.curves = allOnes; },
        [&](EmptyProjectParts& p) { p.points = allOnes; },
        [&](EmptyProjectParts& p) { p.materials = allOnes; },
        [&](EmptyProjectParts& p) { p.ucs = allOnes; },
        [&](EmptyProjectParts& p) { p.groups = allOnes; },
        [&](EmptyProjectParts& p) { p.groups = LayoutBytes().UInt(1).Int(1).Name("g").UInt(0xFFFFFFFFu).bytes; },
        [&](EmptyProjectParts& p) {
            p.loops = LayoutBytes().UInt(1).Int(1).UInt(0xFFFFFFFFu).Int(1).Int(2).bytes;
        },
    };
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        SCOPED_TRACE(i);
        EmptyProjectParts parts;
        hostile[i](parts);
        ExpectRefused(parts.Bytes());
    }
}

std::string FileWithMaterialNameLength(std::int32_t length, const std::string& nameBytes)
{
    EmptyProjectParts parts;
    parts.materials = LayoutBytes().UInt(1).Int(1).Int(length).Raw(nameBytes).Double(1.0).Double(0.1).bytes;
    return parts.Bytes();
}

TEST(ProjectFileHostileTest, NameLengthsAreCheckedAgainstTheBytesLeft)
{
    ExpectRefused(FileWithMaterialNameLength(-1, ""));
    ExpectRefused(FileWithMaterialNameLength(INT_MAX, "abc"));
    ExpectRefused(FileWithMaterialNameLength(200, std::string(10, 'x')));
    ExpectRefused(FileWithMaterialNameLength(5, "abc"));

    // A long name is read whole and kept; a zero byte ends it as the writer
    // would have.
    ReportingModel reader;
    ASSERT_TRUE(ReadFromBytes(reader.model, FileWithMaterialNameLength(1024, std::string(1024, 'n'))));
    EXPECT_EQ(reader.model.FindMaterial(1)->name, std::string(1024, 'n'));
    ReportingModel zero;
    ASSERT_TRUE(ReadFromBytes(zero.model, FileWithMaterialNameLength(4, std::string("ab\0d", 4))));
    EXPECT_EQ(zero.model.FindMaterial(1)->name, "ab");
}

TEST(ProjectFileHostileTest, IdListsRunningPastTheEndAreRefused)
{
    EmptyProjectParts inGroup;
    inGroup.groups = LayoutBytes().UInt(1).Int(1).Name("g").IdList({}).IdList({}).UInt(3).Int(1).bytes;
    ExpectRefused(inGroup.Bytes());

    EmptyProjectParts inCurve;
    inCurve.curves = LayoutBytes().UInt(1).Int(1).Int(1).Double(0.0).Int(0).IdList({}).UInt(1000).bytes;
    ExpectRefused(inCurve.Bytes());
}

TEST(ProjectFileHostileTest, SettingsOutOfRangeAreRefusedAsDamaged)
{
    struct Case {
        const char* what;
        std::size_t offset;
        std::string value;
    };
    const auto i32 = [](std::int32_t v) { return LayoutBytes().Int(v).bytes; };
    const auto f64 = [](double v) { return LayoutBytes().Double(v).bytes; };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"grid count x 0", 8, i32(0)},          {"grid count x 10002", 8, i32(10002)},
        {"grid count y -2", 12, i32(-2)},       {"grid size 0", 16, f64(0.0)},
        {"grid size NaN", 16, f64(nan)},        {"length unit 0", 24, i32(0)},
        {"length unit 6", 24, i32(6)},          {"force unit 0", 28, i32(0)},
        {"force unit 7", 28, i32(7)},           {"next section id 0", 32, i32(0)},
        {"next section id 1001", 32, i32(1001)}, {"next point id -5", 44, i32(-5)},
        {"next group id 0", 56, i32(0)},        {"tolerance 0", 60, f64(0.0)},
        {"tolerance -1", 60, f64(-1.0)},        {"tolerance infinite", 60, f64(inf)},
        {"angle step 0", 68, f64(0.0)},         {"angle step NaN", 68, f64(nan)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmptyProjectParts parts;
        parts.header.bytes.replace(c.offset, c.value.size(), c.value);
        ExpectRefused(parts.Bytes());
    }

    // The edges that are still sound.
    EmptyProjectParts edges;
    edges.header.bytes.replace(8, 4, i32(10000));
    edges.header.bytes.replace(12, 4, i32(1));
    edges.header.bytes.replace(24, 4, i32(5));
    edges.header.bytes.replace(28, 4, i32(6));
    edges.header.bytes.replace(32, 4, i32(1000));
    ReportingModel reader;
    ASSERT_TRUE(ReadFromBytes(reader.model, edges.Bytes()));
    EXPECT_EQ(reader.model.m_gridCountX, 10000);
    EXPECT_EQ(reader.model.m_nextSectionId, 1000);
}

TEST(ProjectFileHostileTest, IdsOutOfRangeAreRefused)
{
    const auto point = [](std::int32_t id) {
        return LayoutBytes().UInt(1).Int(id).Double(0).Double(0).Double(0).Double(0).Double(0).bytes;
    };
    for (std::int32_t id : {0, -3, 1000000, INT_MAX}) {
        SCOPED_TRACE(id);
        EmptyProjectParts parts;
        parts.points = point(id);
        ExpectRefused(parts.Bytes());
    }
    EmptyProjectParts group;
    group.groups = LayoutBytes().UInt(1).Int(INT_MAX).Name("g").IdList({}).IdList({}).IdList({}).bytes;
    ExpectRefused(group.Bytes());

    EmptyProjectParts trailing;
    trailing.groups += "x";
    ExpectRefused(trailing.Bytes());
}

// A rich model with one reference broken, written by our own writer (which
// writes what it is given).
TEST(ProjectFileHostileTest, ReferencesToRecordsTheFileDoesNotHoldAreRefused)
{
    const std::vector<std::pair<const char*, std::function<void(CSectModel&)>>> breaks = {
        {"curve names a missing point", [](CSectModel& m) { m.m_curves[6]->pointIds = {1, 77}; }},
        {"closed loop names a missing curve", [](CSectModel& m) { m.m_closedLoops[1]->curveIds = {1, -77}; }},
        {"closed loop names curve INT_MIN", [](CSectModel& m) { m.m_closedLoops[1]->curveIds = {INT_MIN}; }},
        {"section names a missing model curve", [](CSectModel& m) { m.m_sections[2]->curveIds = {5, 77}; }},
        {"domain names a missing loop", [](CSectModel& m) { m.m_sections[1]->domains[1]->loopIds = {1, 77}; }},
        {"section loop names a missing curve", [](CSectModel& m) { m.m_sections[1]->loops[1]->curveIds = {77}; }},
        {"section curve names a missing point", [](CSectModel& m) { m.m_sections[1]->curves[1]->pointIds = {1, 77}; }},
        {"facet names a missing point", [](CSectModel& m) { m.m_sections[1]->facets[2]->pointIds[2] = 77; }},
        {"section of type 3", [](CSectModel& m) { m.m_sections[2]->type = 3; }},
        {"domain id 1000", [](CSectModel& m) {
             m.m_sections[1]->domains[1000] = std::make_unique<T_DOMAIN_D>();
             m.m_sections[1]->domains[1000]->id = 1000;
         }},
    };
    for (const auto& [what, breakIt] : breaks) {
        SCOPED_TRACE(what);
        CSectModel broken;
        BuildRichModel(broken);
        breakIt(broken);
        ExpectRefused(ProjectBytes(broken));
    }
}

TEST(ProjectFileHostileTest, LinksTheModelToleratesAreKept)
{
    CSectModel model;
    BuildRichModel(model);
    model.m_curves[6]->sectionId = 55;
    model.m_sections[2]->centroidPointId = 77;
    model.m_sections[1]->facets[1]->domainId = 9;

    ReportingModel reader;
    ASSERT_TRUE(ReadFromBytes(reader.model, ProjectBytes(model)));
    EXPECT_EQ(reader.model.FindCurve(6)->sectionId, 55);
    EXPECT_EQ(reader.model.FindSection(2)->centroidPointId, 77);
    EXPECT_EQ(reader.model.FindSection(1)->domains.at(2)->materialId, 99);
}

// Stored files may hold a curve alignment that no command makes: the file
// still opens, and the value stays as stored (its width band is the band of
// no width).
TEST(ProjectFileHostileTest, CurveAlignmentsNoCommandMakesAreKept)
{
    for (int alignment : {0, 4, -1, INT_MAX}) {
        SCOPED_TRACE(alignment);
        CSectModel model;
        BuildRichModel(model);
        model.m_curves[6]->alignment = alignment;
        const std::string bytes = ProjectBytes(model);

        ReportingModel reader;
        ASSERT_TRUE(ReadFromBytes(reader.model, bytes));
        EXPECT_TRUE(reader.user.boxes.empty());
        EXPECT_EQ(reader.model.FindCurve(6)->alignment, alignment);
        EXPECT_EQ(ProjectBytes(reader.model), bytes);
    }
}

TEST(ProjectFileHostileTest, AFailedReadLeavesAUsedModelUntouched)
{
    ReportingModel reader;
    BuildRichModel(reader.model);
    std::string truncated = RichProjectBytes();
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(ReadFromBytes(reader.model, truncated));

    CSectModel expected;
    BuildRichModel(expected);
    ExpectSameStoredContent(expected, reader.model);
}

TEST(ProjectFileHostileTest, ASuccessfulReadLeavesNothingOfTheProjectReadOver)
{
    ReportingModel reader;
    BuildRichModel(reader.model);
    reader.model.RecordCreatedPoint(9, true);
    reader.model.AddNewcomerPoint(9, true);
    reader.model.m_currentUcsId = 3;
    reader.model.m_lastQueriedPointId = 9;

    CSectModel empty;
    ASSERT_TRUE(ReadFromBytes(reader.model, ProjectBytes(empty)));
    ExpectNewModel(reader.model);
    EXPECT_TRUE(reader.model.IsUndoEmpty());
    EXPECT_TRUE(reader.model.m_newcomerPoints.empty());
    EXPECT_EQ(reader.model.m_currentUcsId, 0);
    EXPECT_EQ(reader.model.m_lastQueriedPointId, 0);
}

} // namespace
