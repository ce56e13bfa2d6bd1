// Scene 0, the morning after: the sergeant's briefing at the body, the
// victim's friend outside the bar, the barman and Lucien inside it, and the
// report back that either keeps the case open or lets it drop.
#include "script/script.h"

namespace {

// Each block: its key, the conversation as {speaker, text} in the order shown,
// then the clear thoughts, then the desire thoughts.  Texts are written bare;
// the builder adds the trailing space.

// Texts spoken at two places.
const char *const askname = "And your name is?";
const char *const closingask = "Finished with your little chats, Marsh?";
const char *const closinganswer = "Yes. I'll go back and write up what I have.";
const char *const closingrelief = "Christ, finally. We can call it a day.";

// Nobody in this scene opens the detective's own entry.
const KeyBlock detectiveblock = {DETECTIVE, {}, {}, {}};

// Ilse, the victim's friend, waiting outside The Lantern for news.
const KeyBlock friendblock = {
    FRIEND,
    {
        {DETECTIVE, "Can I ask why you're loitering out here?"},
        {FRIEND, "Um. I'm Ilse."},
        {DETECTIVE, "Sorry, I should have said first. Detective Marsh. I'm working the case."},
        {FRIEND, "The murder, you mean?"},
        {DETECTIVE, "Yes. The murder."},
        {FRIEND, "I've been out here since first light.  I keep hoping for news of Emil."},
        {DETECTIVE, "I'm afraid I've no news to give you yet.  But it would help me a great deal if you could answer a few questions for me."},
        {FRIEND, "Of course."},
        {DETECTIVE, "And when did you last see Emil alive?"},
        {FRIEND, "Yesterday.  Lunch at a bar in town.  He was so thrilled, like a boy."},
        {DETECTIVE, "Why?"},
        {FRIEND, "He bragged he was meeting a gorgeous man that night.  He spoke of nothing else."},
        {DETECTIVE, "Did he tell you about this man?"},
        {FRIEND, "No.  I don't think Emil knew him at all, really."},
        {DETECTIVE, "Were you around here last night?"},
        {FRIEND, "No. I had an early shift today."},
        {DETECTIVE, "Is there anything else I need to know?"},
        {FRIEND, "I don't think there is, no."},
        {DETECTIVE, "I'll let you know as soon as I hear something.  In the meantime, go indoors and get warm.  You look frozen through."},
        {FRIEND, "Thank you.  But I couldn't sit alone in a room, not today.  I just can't."},
        {FRIEND, "The Lantern is just round the corner.  It should be open by now.  Try there."},
        {DETECTIVE, "Ilse - thanks."},
    },
    {   // clear thoughts
        "She is too gentle to have done it. I'd stake my job on that.",
        "She knew so little about him, poor girl.  I believe every word she said, which isn't like me at all.",
    },
    {   // desire thoughts
        "I should have asked her if she knows Lucien.",
        "Is Lucien spoken for, I wonder?",
        "Stop it, Marsh. He's a suspect, nothing more. One more name on a list you have not even begun.",
        "And that mouth of his. Good Lord.",
        "Things it could do to a man.",
        "Damn you, Marsh. Keep your bloody mind on the case.",
    },
};

// Teo, behind the bar, with no love for the police.
const KeyBlock barmanblock = {
    BARMAN,
    {
        {DETECTIVE, "Morning. Could you spare me a moment?"},
        {BARMAN, "You're here about the murder?"},
        {DETECTIVE, "I am. Detective Marsh. I'd like to ask you a few questions, if I may."},
        {BARMAN, "Ask away, then.  Not that you lot will do a thing about it.  You never do."},
        {BARMAN, "In all my years here, not one of you bastards ever helped one of us."},
        {DETECTIVE, askname},
        {BARMAN, "Teo. Teo Brunetti."},
        {DETECTIVE, "Were you working here last night?"},
        {BARMAN, "I was, yes."},
        {DETECTIVE, "Did you notice Emil Sand?"},
        {BARMAN, "It was heaving in here. I spotted him a couple of times. No more."},
        {DETECTIVE, "Did he have any company?"},
        {BARMAN, "Not that I saw.  He'd have been down the far end, I'd say, dancing his heart out.  He always danced."},
        {DETECTIVE, "Was he a regular here?"},
        {BARMAN, "Most nights, yes.  Knew him well.  He was a good lad, was Emil."},
        {DETECTIVE, "Thank you, Teo. I will do everything I can to find whoever killed him."},
        {BARMAN, "You're alright, for a copper, I'll give you that.  Maybe you'll surprise me.  I doubt it, pal."},
        {DETECTIVE, "Let's hope so."},
    },
    {   // clear thoughts
        "That's useful, at least. Emil was here last night, in this very bar.",
        "Not much of a witness, though. With any luck someone better will turn up later on.",
        "It's a shame the police are so hated here. Not that I blame them.",
    },
    {   // desire thoughts
        "Does Lucien come here often, then?",
        "How many men has he had?",
        "I hope he's in here again tonight.",
        "Him leaning in, whispering.",
        "Him, me, one bed.",
    },
};

// No guest of the bar to talk to yet.
const KeyBlock clubberblock = {CLUBBER, {}, {}, {}};

// Sergeant Broder at the body: the opening talk of every game.
const KeyBlock sergeantblock = {
    SERGEANT,
    {
        {DETECTIVE, "Morning, old man."},
        {SERGEANT, "Late again. What is it this time?"},
        {DETECTIVE, "Held up at the station. Papers."},
        {SERGEANT, "Papers. Next time you're here on time, Marsh."},
        {DETECTIVE, "Fine."},
        {DETECTIVE, "So. What have we got, besides a cold morning and you?"},
        {SERGEANT, "One dead moth. Some park crawler went and got shot in the head last night."},
        {DETECTIVE, "Any leads?"},
        {SERGEANT, "Nope. Who'd bother? One less moth round the lights."},
        {DETECTIVE, "Has anyone spoken to witnesses?"},
        {SERGEANT, "That is your job, not mine."},
        {DETECTIVE, "I'm aware, Sergeant. Is there anything else I should know?"},
        {SERGEANT, "Nothing that comes to mind, Marsh."},
        {SERGEANT, "We've got real cases waiting, Marsh.  Decent folk.  Don't go wasting your sweat on this rubbish."},
        {DETECTIVE, "I'll be the judge of what it's worth."},
        {SERGEANT, "Suit yourself. Question the lot of them, then come back and report to me, so I can tape this off and get out of here before the rain comes down."},
    },
    {   // clear thoughts
        "Lord, how I loathe that man.  One more rung up the ladder and he could never give me another order.",
        "The rest of them upstairs are no kinder, I suppose. But at least the pay's better.",
    },
    {},
};

// Lucien Hart, idling in the bar.
const KeyBlock suspectblock = {
    SUSPECT,
    {
        {DETECTIVE, "Detective Marsh. I am investigating a murder. Could you spare a moment?"},
        {SUSPECT, "Sure, handsome. Sit."},
        {DETECTIVE, askname},
        {SUSPECT, "Lucien Hart. But you should call me Lucien, Detective. Everyone does, in the end."},
        {DETECTIVE, "You knew Emil Sand?"},
        {SUSPECT, "A little. Lovely shoulders on him. And that arse, what a waste."},
        {DETECTIVE, "Were you two lovers?"},
        {SUSPECT, "Lovers? God, no. Just a tumble now and then. You'd be better."},
        {DETECTIVE, "Where were you overnight?"},
        {SUSPECT, "In bed early, alone, alas. Resting up for tonight. You ought to come out with me."},
        {SUSPECT, "Do come.  You look like a man no one has touched in ages, Detective.  It's written all over you."},
        {DETECTIVE, "Is there anything more you can tell me which may help the case?"},
        {SUSPECT, "Nothing useful. But you could give me your number, and I might remember."},
        {DETECTIVE, "You can always reach me through the station."},
        {SUSPECT, "Fine. Play coy."},
        {SUSPECT, "I do mean it, though, I'm not playing games. I want you in my bed, Detective."},
    },
    {},
    {   // desire thoughts
        "Forward fellow, that one.",
        "And yet I could not stop looking at him.",
        "Lucien. I shan't forget that name in a hurry.",
        "He was not wrong. It has been years since anyone touched me.",
        "I'd bet he knows what he's doing.",
        "Once the case is closed. Not one day before.",
    },
};

// Emil Sand's body in Vesper Park; the dead do not answer.
const KeyBlock victimblock = {
    VICTIM,
    {
        {DETECTIVE, "Poor sod. What brought you out here in the dark, knowing what this park is at night?"},
    },
    {   // clear thoughts
        "What kind of pleasure is worth your life? I've never wanted anything that much.",
    },
    {   // desire thoughts
        "For one second I saw Lucien lying there, in his place. It made me sick.",
        "But that face. I've never seen a lovelier one, God help me.",
    },
};

// Back at the park, when Marsh has a thought to follow: he returns tonight.
const KeyBlock sergeantstayblock = {
    SERGEANTSTAY,
    {
        {SERGEANT, closingask},
        {DETECTIVE, closinganswer},
        {SERGEANT, closingrelief},
        {DETECTIVE, "I'll come back tonight, though, when the bar is full. There'll be more people to question."},
        {SERGEANT, "Do what you want on your own time. I'm off home to my kids, not hanging about in that place with the moths. And don't you expect me to come and hold your hand."},
    },
    {},
    {},
};

// Back at the park, when Marsh has nothing: the case is dropped.
const KeyBlock sergeantleaveblock = {
    SERGEANTLEAVE,
    {
        {SERGEANT, closingask},
        {DETECTIVE, closinganswer},
        {SERGEANT, closingrelief},
        {DETECTIVE, "All right. Back to the station, then."},
    },
    {},
    {},
};

}  // namespace

const std::vector<KeyBlock> scene0blocks = {
    detectiveblock, friendblock, barmanblock, clubberblock, sergeantblock,
    suspectblock, victimblock, sergeantstayblock, sergeantleaveblock,
};
