// Conversations and thoughts: who a tile code selects, paging to the end of
// a conversation, the tests that close a scene, and thoughts by kind.
#include <gtest/gtest.h>

#include "engine/game.h"
#include "engine/talk.h"
#include "engine/walk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headless.h"

namespace {

class Talk : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        buildscript({
            {DETECTIVE, {{SPEAKERGUNMAN, "Drop it."}, {SPEAKERGUNPOINT, "No."}}, {}, {}},
            {FRIEND, {{0, "Hello."}, {1, "Hi."}, {0, "Bye."}}, {"F clear one.", "F clear two."},
             {"F desire."}},
            {BARMAN, {{2, "Drink?"}}, {"B clear."}, {}},
            {CLUBBER, {}, {}, {}},
            {SERGEANT, {{4, "Sir."}}, {"S clear."}, {}},
            {SUSPECT, {{5, "Yes?"}, {0, "No."}}, {"L clear."}, {"L desire one.", "L desire two."}},
            {SERGEANTSTAY, {{4, "Stay."}, {0, "Yes."}}, {}, {}},
            {SERGEANTLEAVE, {{4, "Go."}}, {}, {}},
        });
        scene = 0;
        resetplay();
        spacepressed = false;
    }

    // Pages the open conversation until it closes; returns the lines shown.
    int finishtalk()
    {
        int shown = 1;
        for (progressdialogue(); talkmode; progressdialogue())
            shown++;
        return shown;
    }
};

TEST_F(Talk, TileCodesSelectTheirPerson)
{
    const Actors expected[] = {FRIEND, BARMAN, CLUBBER, SERGEANT, SUSPECT, VICTIM};
    for (int code = 4; code <= 9; code++) {
        SetUp();
        linenumber = 5;
        picktalkstring(code);
        EXPECT_EQ(actorconv, expected[code - 4]) << code;
        EXPECT_TRUE(talkedto[expected[code - 4]]);
        EXPECT_TRUE(talkmode);
        EXPECT_EQ(linenumber, 0);
    }
}

TEST_F(Talk, SergeantClosesOnlyOnceFriendBarmanAndSuspectAreHeard)
{
    talkedto[SERGEANT] = true;
    talkedto[FRIEND] = talkedto[BARMAN] = true;
    picktalkstring(7);
    EXPECT_EQ(actorconv, SERGEANT);
    EXPECT_FALSE(talkmode);  // already talked to
    EXPECT_TRUE(spacepressed);

    talkedto[SUSPECT] = true;
    picktalkstring(7);
    EXPECT_EQ(actorconv, SERGEANTLEAVE);
    EXPECT_TRUE(talkmode);

    // Either kind of thought keeps him for the next scene.
    for (int kind = 0; kind < 2; kind++) {
        talkmode = false;
        talkedto[SERGEANTSTAY] = false;
        clearthoughts = kind == 0;
        sexthoughts = kind == 1;
        picktalkstring(7);
        EXPECT_EQ(actorconv, SERGEANTSTAY);
        EXPECT_TRUE(talkmode);
    }
}

TEST_F(Talk, SuspectTileOpensTheDetectivesTalkOnlyWhenResisting)
{
    endingtype = ENDINGSURRENDER;
    picktalkstring(8);
    EXPECT_EQ(actorconv, SUSPECT);
    talkmode = false;
    endingtype = ENDINGRESIST;
    picktalkstring(8);
    EXPECT_EQ(actorconv, DETECTIVE);
    EXPECT_TRUE(talkmode);
}

TEST_F(Talk, PersonAlreadyTalkedToOpensNothingButBecomesTheOneToThinkAbout)
{
    talkedto[BARMAN] = true;
    thoughtabout[FRIEND] = true;
    actorconv = FRIEND;
    linenumber = 3;
    picktalkstring(5);
    EXPECT_EQ(actorconv, BARMAN);
    EXPECT_FALSE(talkmode);
    EXPECT_EQ(linenumber, 0);
    EXPECT_TRUE(spacepressed);
    EXPECT_TRUE(canthink());
}

TEST_F(Talk, PersonMetWhileABoxIsOpenOnlyBlocks)
{
    picktalkstring(5);
    spacepressed = false;
    linenumber = 0;
    picktalkstring(4);  // a second person in the same step
    EXPECT_EQ(actorconv, BARMAN);
    EXPECT_TRUE(talkmode);
    EXPECT_FALSE(talkedto[FRIEND]);
    EXPECT_FALSE(spacepressed);

    talkmode = false;
    talkedto[BARMAN] = true;
    startthought();
    linenumber = 0;
    picktalkstring(4);  // a thought opened in the same step
    EXPECT_EQ(actorconv, BARMAN);
    EXPECT_TRUE(thinkmode);
    EXPECT_FALSE(talkmode);
    EXPECT_FALSE(talkedto[FRIEND]);
}

TEST_F(Talk, ConversationPagesToItsLastLineAndCloses)
{
    picktalkstring(4);
    EXPECT_EQ(finishtalk(), 3);
    EXPECT_FALSE(talkmode);
    EXPECT_EQ(actorconv, FRIEND);
    EXPECT_FALSE(sceneend);
    EXPECT_FALSE(fade);
}

TEST_F(Talk, ConversationWithoutLinesClosesAtTheNextPage)
{
    picktalkstring(6);
    EXPECT_TRUE(talkmode);
    EXPECT_TRUE(talkedto[CLUBBER]);
    EXPECT_EQ(finishtalk(), 1);
    EXPECT_EQ(actorconv, CLUBBER);
}

TEST_F(Talk, SergeantsClosingTalkEndsSceneZero)
{
    for (Actors closing : {SERGEANTSTAY, SERGEANTLEAVE}) {
        SetUp();
        actorconv = closing;
        talkmode = true;
        finishtalk();
        EXPECT_TRUE(sceneend);
        EXPECT_TRUE(fade);
        EXPECT_EQ(fadecounter, FADEMAX);
        EXPECT_EQ(actorconv, NOACTOR);
        EXPECT_FALSE(canthink());
    }
}

TEST_F(Talk, SceneOneEndsWithTheTalkThatEndsOnceAllFourAreMet)
{
    scene = 1;
    for (int code : {4, 5, 8}) {
        picktalkstring(code);
        finishtalk();
        EXPECT_FALSE(sceneend) << code;
    }
    picktalkstring(6);  // Rook, the last of the four
    finishtalk();
    EXPECT_TRUE(sceneend);
    EXPECT_TRUE(fade);
    EXPECT_EQ(fadecounter, FADEMAX);
    EXPECT_EQ(actorconv, NOACTOR);
}

TEST_F(Talk, SceneTwoEndsWithTheShotAndKeepsThePartner)
{
    scene = 2;
    endingtype = ENDINGRESIST;
    picktalkstring(8);
    EXPECT_EQ(finishtalk(), 2);
    EXPECT_TRUE(sceneend);
    EXPECT_TRUE(fade);
    EXPECT_EQ(fadecounter, FADEMAX);
    EXPECT_EQ(actorconv, DETECTIVE);
}

TEST_F(Talk, ThoughtBeforeMeetingTheSuspectIsClearAfterwardsDesire)
{
    picktalkstring(4);
    talkmode = false;
    ASSERT_TRUE(canthink());
    linenumber = 2;
    startthought();
    EXPECT_TRUE(thinkmode);
    EXPECT_EQ(linenumber, 0);
    EXPECT_EQ(clearthoughts, 1);
    EXPECT_EQ(sexthoughts, 0);
    EXPECT_EQ(thoughtlist(), script[FRIEND].clearthoughtlines);
    progressthoughts();
    EXPECT_TRUE(thinkmode);
    progressthoughts();
    EXPECT_FALSE(thinkmode);
    EXPECT_FALSE(canthink());  // once a scene
    EXPECT_EQ(actorconv, FRIEND);

    // The suspect, once selected, is talked to: his own thought is desire.
    picktalkstring(8);
    talkmode = false;
    startthought();
    EXPECT_EQ(sexthoughts, 1);
    EXPECT_EQ(clearthoughts, 1);
    EXPECT_EQ(thoughtlist(), script[SUSPECT].sexthoughtlines);
}

TEST_F(Talk, ThoughtOnAnEmptyListIsCountedAndEndsAtTheNextPage)
{
    talkedto[SUSPECT] = true;  // the sergeant has no desire thought
    actorconv = SERGEANT;
    startthought();
    EXPECT_TRUE(thoughtabout[SERGEANT]);
    EXPECT_EQ(sexthoughts, 1);
    EXPECT_TRUE(thinkmode);
    EXPECT_EQ(linenumber, 0);
    EXPECT_TRUE(thoughtlist().empty());
    progressthoughts();
    EXPECT_FALSE(thinkmode);
}

TEST_F(Talk, NoThoughtDuringATalkOrWithNobodyMet)
{
    EXPECT_FALSE(canthink());  // NOACTOR
    picktalkstring(5);
    EXPECT_FALSE(canthink());  // the conversation is open
    talkmode = false;
    EXPECT_TRUE(canthink());
}

}  // namespace
