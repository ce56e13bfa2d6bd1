// Scene 0, the morning after: the sergeant's briefing at the body, the
// victim's friend outside the bar, the barman and Lucien inside it, and the
// report back that either keeps the case open or lets it drop.
#include "script.h"

namespace {

// Each block: its key, the conversation as {speaker, text} in the order shown,
// then the clear thoughts, then the desire thoughts.  Texts are written bare;
// the builder adds the trailing space.

// Texts spoken at two places.
const char *const askname = "And your name is?";
const char *const closingask = "Finished with your little chats, Marsh?";
const char *const closinganswer = "Yes. I'll go back and write up what I have.";
const char *const closingrelief = "Christ, at last. Then we're done here.";

// Nobody in this scene opens the detective's own entry.
const KeyBlock detectiveblock = {DETECTIVE, {}, {}, {}};

// Ilse, the victim's friend, waiting outside The Lantern for news.
const KeyBlock friendblock = {
    FRIEND,
    {
        {DETECTIVE, "Who might you be, miss, loitering about?"},
        {FRIEND, "Me? I'm Ilse."},
        {DETECTIVE, "Forgive me, miss. Detective Constable Marsh. I'm looking into the case."},
        {FRIEND, "The murder, you mean?"},
        {DETECTIVE, "Yes. The murder."},
        {FRIEND, "Emil was my friend.  I left work when I heard.  Is there any news yet?"},
        {DETECTIVE, "I'm afraid I've no news for you yet.  We don't know who did it.  Still, you might help me by answering a few questions."},
        {FRIEND, "Of course."},
        {DETECTIVE, "And when did you last see Emil alive?"},
        {FRIEND, "Yesterday.  We had our lunch at a bar.  He was thrilled, like a boy."},
        {DETECTIVE, "Why?"},
        {FRIEND, "He said he'd be meeting a beautiful man that night.  He talked of nothing else."},
        {DETECTIVE, "Did he say anything of the man?"},
        {FRIEND, "No.  Not even a name.  I doubt he knew him well."},
        {DETECTIVE, "Were you in the area last night?"},
        {FRIEND, "No. I had an early shift today."},
        {DETECTIVE, "Is there anything else I need to know?"},
        {FRIEND, "I don't think there is, no."},
        {DETECTIVE, "I'll let you know as soon as I hear something.  In the meantime, go indoors and get warm.  You look frozen through."},
        {FRIEND, "Thank you.  But I couldn't bear to be shut in today.  Not with Emil gone."},
        {FRIEND, "That's The Lantern, right behind me.  They open early.  It was Emil's local."},
        {DETECTIVE, "Obliged, Ilse."},
    },
    {   // clear thoughts
        "She is too gentle to have done it. I'd stake my job on that.",
        "She knew so little about him, poor girl.  I believe every word she said, which isn't like me at all.",
    },
    {   // desire thoughts
        "I should have asked her if she knows Lucien.",
        "Is Lucien spoken for, I wonder?",
        "Stop it, Marsh. He's a suspect, and nothing more: one more name on a list you've barely begun.",
        "And that mouth of his. Good Lord.",
        "Things it could do to a man.",
        "Damn and blast. Keep your bloody mind on your work.",
    },
};

// Teo, behind the bar, with no love for the police.
const KeyBlock barmanblock = {
    BARMAN,
    {
        {DETECTIVE, "Morning. Could you spare me a moment?"},
        {BARMAN, "You're here about the murder?"},
        {DETECTIVE, "I am. Detective Constable Marsh. I'd like to ask you a few questions."},
        {BARMAN, "Ask away, then.  Not that you lot will do a thing about it.  You never do."},
        {BARMAN, "In all my years here, not one of you bastards ever helped one of us."},
        {DETECTIVE, askname},
        {BARMAN, "Teo. Teo Brunetti."},
        {DETECTIVE, "Were you working here last night?"},
        {BARMAN, "I was, yes."},
        {DETECTIVE, "Did you notice Emil Sand?"},
        {BARMAN, "It was packed to the doors. I saw him a couple of times. No more."},
        {DETECTIVE, "Did he have any company?"},
        {BARMAN, "Not that I saw.  He'd have been down the far end, I'd say, dancing his heart out.  He always danced."},
        {DETECTIVE, "Was he a regular here?"},
        {BARMAN, "Most nights, yes.  Knew him well.  He was a good lad, was Emil."},
        {DETECTIVE, "Thank you, Mr Brunetti. I'll do all I can to find whoever killed Emil."},
        {BARMAN, "You're all right, for a copper.  I'll give you that.  I expect little.  You might surprise me."},
        {DETECTIVE, "Let's hope so."},
    },
    {   // clear thoughts
        "That's useful, at least. Emil was here last night, in this very bar.",
        "Not much of a witness, though. With luck, someone who saw more will be in tonight.",
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
        {DETECTIVE, "Morning. Raw one."},
        {SERGEANT, "Late again. What is it this time?"},
        {DETECTIVE, "Held up at the station. Papers."},
        {SERGEANT, "Papers. Next time you're here on time, Marsh."},
        {DETECTIVE, "Fine."},
        {DETECTIVE, "What have we got, then? All I've heard is a shooting."},
        {SERGEANT, "One dead moth, name of Emil Sand. Shot in the head in the park last night."},
        {DETECTIVE, "Any leads?"},
        {SERGEANT, "None. Who'd bother? One moth fewer round the lamps."},
        {DETECTIVE, "Has anyone been questioned yet?"},
        {SERGEANT, "That's your pigeon, my lad."},
        {DETECTIVE, "I'm aware, Sergeant. Is there anything else I should know?"},
        {SERGEANT, "Nothing that comes to my mind, no."},
        {SERGEANT, "We've got real cases waiting, Marsh.  Decent folk.  Don't go wasting your sweat on this rubbish."},
        {DETECTIVE, "I'll be the judge of what it's worth."},
        {SERGEANT, "Suit yourself. Question the lot of them, then come back and report to me, so I can have him carted away and get home before the rain comes down."},
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
        {DETECTIVE, "Detective Constable Marsh. I'm looking into a murder. A moment, please?"},
        {SUSPECT, "Of course, handsome."},
        {DETECTIVE, askname},
        {SUSPECT, "Lucien Hart. But you should call me Lucien, Constable. Everyone does, in the end."},
        {DETECTIVE, "You knew Emil Sand?"},
        {SUSPECT, "A little. Lovely shoulders on him, and the rest. Quite a waste."},
        {DETECTIVE, "Were you two lovers?"},
        {SUSPECT, "Lovers? Heavens, no. A tumble, now and then. You'd be better."},
        {DETECTIVE, "And your movements, then?"},
        {SUSPECT, "Last night? In bed, early, alone, alas. Resting for tonight. Do come out with me."},
        {SUSPECT, "Really, you must.  You look like a man nobody has touched for years, Constable.  It shows, love."},
        {DETECTIVE, "Is there anything else you can tell me that might help us, sir?"},
        {SUSPECT, "Help the police? Me? Never. Tell me where you live, though, and I might."},
        {DETECTIVE, "You can always reach me through the station."},
        {SUSPECT, "Fine. Play coy."},
        {SUSPECT, "I do mean it, though. I'm not playing games. I want you in my bed, Constable."},
    },
    {},
    {   // desire thoughts
        "Forward fellow, that one.",
        "And yet I couldn't take my eyes off him.",
        "Lucien. I shan't forget that name in a hurry.",
        "He wasn't wrong. It must be years since anyone's touched me.",
        "I'd bet he knows what he's doing.",
        "Once the case is closed. Not one day before.",
    },
};

// Emil Sand's body in Vesper Park; the dead do not answer.
const KeyBlock victimblock = {
    VICTIM,
    {
        {DETECTIVE, "Poor devil. What drew you here in the dark, knowing what this park is like at night?"},
    },
    {   // clear thoughts
        "What kind of pleasure is worth your life? I've never wanted anything that much.",
    },
    {   // desire thoughts
        "For one second I saw Lucien lying there, in his place. It made me sick.",
        "But Lucien's face. I've never seen a lovelier, God help me.",
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
        {SERGEANT, "Do as you please in your own time. I've got children waiting at home, and I'm not wasting my evenings on a den of moths. And don't expect me to hold your hand."},
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
        {DETECTIVE, "Fair enough. I'll cadge a lift, then."},
    },
    {},
    {},
};

}  // namespace

const std::vector<KeyBlock> scene0blocks = {
    detectiveblock, friendblock, barmanblock, clubberblock, sergeantblock,
    suspectblock, victimblock, sergeantstayblock, sergeantleaveblock,
};
