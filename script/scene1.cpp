// Scene 1: the evening after the murder, The Lantern full for a party. Marsh
// asks around again; Rook saw Emil dancing close with Lucien, and Lucien
// gives Marsh his address. Each block: the actor, his conversation as
// {speaker, text}, then the clear thoughts, then the desire thoughts.
#include "script.h"

const std::vector<KeyBlock> scene1blocks = {
    // The detective's own resolve; nothing in this scene selects it.
    {DETECTIVE,
     {},
     {   // clear thoughts, before Lucien is met
         "The place is full now. Time to ask around.",
     },
     {}},

    // Ilse, back for the party, with a warning about Lucien.
    {FRIEND,
     {
         {FRIEND, "Mr Marsh? You, at a party? I came so as not to be on my own."},
         {DETECTIVE, "Not for fun. A full bar means more witnesses."},
         {FRIEND, "Lucien's been asking about you all evening.  Where you went, when you'd be back.  He likes you."},
         {DETECTIVE, "I'd guessed as much this morning."},
         {FRIEND, "Be careful of him.  He's handsome, I know; everybody knows.  But he isn't a good man.  Not inside."},
         {DETECTIVE, "I've come here to work, Ilse, not to find company."},
         {FRIEND, "Sorry. It's not my business..."},
         {DETECTIVE, "You meant it kindly, Ilse. Go back to your friends now."},
     },
     {   // clear thoughts, before Lucien is met
         "Why should he keep tabs on the one policeman on the case?  Stay on guard.",
         "But a murderer? He seems too idle for the trouble.",
     },
     {   // desire thoughts, once he has been
         "He asked about me. Me, of all men.",
         "Heavens above! Steady on!",
         "A chance like this won't come my way twice.",
         "One night. Even one short night with him would do.",
         "And it would be worth it, whatever it cost me afterwards.",
         "Nobody pays me to be here tonight.  And the station doesn't care how I pass my nights.",
     }},

    // Teo behind the bar, busy and still no friend of the police.
    {BARMAN,
     {
         {BARMAN, "Back again. Found anything yet, then?"},
         {DETECTIVE, "Not yet. I'm here to question the guests."},
         {DETECTIVE, "Has anything come up since morning?"},
         {BARMAN, "Nothing. It only got busy about half an hour ago."},
         {DETECTIVE, "How long's Lucien been in here?"},
         {BARMAN, "Hasn't stirred since you were in this morning."},
         {DETECTIVE, "Does he even have a job?"},
         {BARMAN, "Shifts at the gasworks, or so he says."},
         {BARMAN, "Look at him, by the pillar.  Eyes on you since you walked in."},
     },
     {   // clear thoughts, before Lucien is met
         "Why does he keep watching me?",
     },
     {   // desire thoughts, once he has been
         "I can't think straight with him in the room.",
         "Get him out of your head. For a moment, at least. Just long enough to work.",
     }},

    // Rook, a regular of the bar, full of pep pills, who was here last night.
    {CLUBBER,
     {
         {DETECTIVE, "Can you spare me a minute?"},
         {CLUBBER, "For you, dear, all night. Mmm, that cologne!"},
         {DETECTIVE, "Detective Constable Marsh.  I'm inquiring into the murder in Vesper Park.  A man was shot."},
         {CLUBBER, "Ooh, I heard. Everybody's heard by now."},
         {DETECTIVE, "Did you know the victim?"},
         {CLUBBER, "Barely. I knew his backside better than his name, ducky."},
         {DETECTIVE, "Were you in here last night, by any chance?"},
         {CLUBBER, "Course I was.  Mind you, I'd had two pep pills beforehand."},
         {CLUBBER, "You won't run me in for that, now, will you?"},
         {DETECTIVE, "I'm after a killer, not your pills. Do you remember anything?"},
         {CLUBBER, "Now, let me think."},
         {CLUBBER, "Wait, I did see him. Last night, yes. God, what's his name? E..."},
         {DETECTIVE, "Emil--"},
         {CLUBBER, "Emil!  Yes, that's him.  Dancing with Lucien, close as you like, cheek to cheek."},
         {DETECTIVE, "Is Lucien that special?"},
         {CLUBBER, "Special? My dear, he is every man's dream."},
         {CLUBBER, "A bit of an odd one, mind. But he carries it off."},
         {DETECTIVE, "I see."},
     },
     {   // clear thoughts, before Lucien is met
         "Lucien told me he was in bed, alone.  That was a lie.  Watch him.",
     },
     {   // desire thoughts, once he has been
         "Half the men here want his arms round them.",
         "He gets about, clearly. And yet with me he seems different. Or I hope so.",
         "Damn it, I'm jealous. Jealous, over a man who isn't even my lover. Not yet...",
         "Well then. Better do something about it.",
     }},

    // Lucien, all charm, with an address and nothing else to give.
    {SUSPECT,
     {
         {DETECTIVE, "Ah, Lucien"},
         {SUSPECT, "Constable. I was hoping you'd come tonight."},
         {DETECTIVE, "Have you heard anything more about last night? Any word, any whisper?"},
         {SUSPECT, "You smell divine tonight. Really."},
         {DETECTIVE, "Don't play games with me."},
         {SUSPECT, "I live just round the corner.  Number 45, Cask Lane, top floor.  Come up later, when you're done."},
         {SUSPECT, "As for Emil and last night, I've heard nothing. Not a whisper."},
     },
     {   // clear thoughts, before Lucien is met
         "He went defensive there. The charm dropped for a moment.",
     },
     {   // desire thoughts, once he has been
         "He'll be waiting.",
         "Up those stairs, through his door, and straight into his bed. God, yes.",
         "There is no one like him. Not in this town, not anywhere I've been.",
         "So. What on earth am I going to do?",
     }},

    // The body and the sergeant's closing talk stay behind in the morning: empty.
    {VICTIM, {}, {}, {}},
    {SERGEANTSTAY, {}, {}, {}},
};
