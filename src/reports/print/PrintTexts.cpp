#include "reports/print/PrintTexts.h"

#include <array>

namespace orva::texts::print {

namespace {

constexpr std::array<GuideSection, 4> kAnxiety = {{
    {"Generalised Anxiety Disorder",
     "Generalised anxiety disorder (GAD) is characterised by at least 6 months of persistent and excessive "
     "anxiety and worry, on more days than not, about a number of events or activities such as school work "
     "or performance, which the young person finds hard to control. In children the worry is accompanied by "
     "at least one of: restlessness, being easily tired, poor concentration, irritability, muscle tension "
     "and disturbed sleep. The anxiety causes significant distress or impairment."},
    {"Obsessive-Compulsive Disorder",
     "Obsessive-compulsive disorder (OCD) is characterised by obsessions (recurrent, intrusive thoughts, "
     "impulses or images that cause marked anxiety) or compulsions (repetitive behaviours or mental acts, "
     "such as washing, checking or counting, that the young person feels driven to perform to reduce "
     "distress or prevent a feared event). They take more than an hour a day, cause marked distress or "
     "interfere significantly with daily life; children need not see them as excessive."},
    {"Post-Traumatic Stress Disorder",
     "Post-traumatic stress disorder (PTSD) follows a traumatic event involving actual or threatened death "
     "or serious injury, to which the young person responded with intense fear, helplessness or horror (in "
     "children, disorganised or agitated behaviour). The event is persistently re-experienced (for example "
     "in intrusive memories, repetitive play or frightening dreams), reminders are avoided, responsiveness "
     "is numbed and arousal is increased, for more than 1 month, with significant distress or impairment."},
    {"Separation Anxiety Disorder",
     "Separation anxiety disorder is developmentally inappropriate and excessive anxiety about separation "
     "from home or from attachment figures, shown by at least three symptoms such as distress at separation, "
     "persistent worry that harm will befall attachment figures, reluctance or refusal to go to school, fear "
     "of being alone, reluctance to sleep away from home, nightmares about separation and physical "
     "complaints when separation is expected. It lasts at least 4 weeks and begins before age 18."},
}};

constexpr std::array<GuideSection, 3> kAttentionDisruptive = {{
    {"Attention-Deficit/Hyperactivity Disorder",
     "Attention-deficit/hyperactivity disorder (ADHD) is a persistent pattern of inattention and/or "
     "hyperactivity-impulsivity, more frequent and severe than is typical for the developmental level. At "
     "least six of nine inattention symptoms, or six of nine hyperactivity-impulsivity symptoms, have lasted "
     "at least 6 months; some impairing symptoms were present before age 7, and impairment occurs in two or "
     "more settings such as school and home. The predominantly inattentive, predominantly "
     "hyperactive-impulsive and combined types are distinguished by which symptom sets are met (now called "
     "presentations, with several symptoms present before age 12)."},
    {"Conduct Disorder",
     "Conduct disorder is a repetitive and persistent pattern of behaviour that violates the basic rights of "
     "others or major age-appropriate rules, shown by at least three of fifteen behaviours in the past 12 "
     "months, at least one of them in the past 6 months. The behaviours fall into aggression to people and "
     "animals, destruction of property, deceitfulness or theft, and serious violations of rules such as "
     "staying out at night or truancy beginning before age 13, or running away from home. The behaviour "
     "significantly impairs functioning."},
    {"Oppositional Defiant Disorder",
     "Oppositional defiant disorder is a pattern of negativistic, hostile and defiant behaviour lasting at "
     "least 6 months, in which at least four of the following occur often: losing temper, arguing with "
     "adults, defying or refusing adults' requests or rules, deliberately annoying others, blaming others "
     "for one's own mistakes, being touchy or easily annoyed, being angry and resentful, and being spiteful "
     "or vindictive. It is not diagnosed when the criteria for conduct disorder are met."},
}};

constexpr std::array<GuideSection, 3> kCommunication = {{
    {"Expressive Language Disorder",
     "Expressive language disorder (now language disorder) is present when expressive language, measured by "
     "standardised tests, is substantially below both nonverbal intellectual capacity and receptive "
     "language. It may show as a markedly limited vocabulary, errors in tense, or difficulty recalling words "
     "or producing sentences of the length and complexity expected for the age. The difficulties interfere "
     "with academic achievement or social communication, and the criteria for mixed receptive-expressive "
     "language disorder are not met."},
    {"Mixed Receptive-Expressive Language Disorder",
     "Mixed receptive-expressive language disorder (now language disorder) is present when both receptive "
     "and expressive language, measured by standardised tests, are substantially below nonverbal "
     "intellectual capacity. Besides the expressive difficulties, the young person has difficulty "
     "understanding words, sentences or particular types of words such as spatial terms. The difficulties "
     "interfere with academic achievement or social communication, and the criteria for a pervasive "
     "developmental disorder are not met."},
    {"Phonological Disorder",
     "Phonological disorder (now speech sound disorder) is difficulty producing the speech sounds expected "
     "for the age and dialect, such as substituting or omitting sounds. The speech difficulties interfere "
     "with academic achievement or social communication and, where an intellectual disability, a "
     "speech-motor or sensory deficit or environmental deprivation is present, exceed those usually "
     "associated with it."},
}};

constexpr std::array<GuideSection, 1> kDepressive = {{
    {"Dysthymic Disorder",
     "Dysthymic disorder (now persistent depressive disorder) is a depressed mood (in children and "
     "adolescents it may be irritable) for most of the day, on more days than not, for at least 1 year, with "
     "no symptom-free period longer than 2 months. At least two of the following accompany it: poor appetite "
     "or overeating, sleeping too little or too much, low energy, low self-esteem, poor concentration or "
     "indecision, and hopelessness. No major depressive episode occurred in the first year, and the symptoms "
     "cause distress or impairment."},
}};

constexpr std::array<GuideSection, 2> kEating = {{
    {"Anorexia Nervosa",
     "Anorexia nervosa is characterised by a body weight kept below a minimally normal weight for age and "
     "height (for example below 85% of that expected, or less weight gained during growth than expected), "
     "with an intense fear of gaining weight although underweight, and a disturbed experience of body weight "
     "or shape, its undue influence on self-evaluation, or denial of the seriousness of the low weight. In "
     "girls after menarche, at least three consecutive menstrual cycles are absent."},
    {"Bulimia Nervosa",
     "Bulimia nervosa is recurrent binge eating (eating, within a limited time, far more food than most "
     "people would, with a sense of loss of control) together with recurrent inappropriate behaviour to "
     "prevent weight gain, such as self-induced vomiting, misuse of laxatives, fasting or excessive "
     "exercise, both on average at least twice a week for 3 months. Self-evaluation is unduly influenced by "
     "body shape and weight, and the disturbance does not occur only during episodes of anorexia nervosa."},
}};

constexpr std::array<GuideSection, 3> kLearning = {{
    {"Disorder of Written Expression",
     "Disorder of written expression (now specific learning disorder with impairment in written expression) "
     "is present when writing skills, measured by individually given standardised tests or functional "
     "assessment, are substantially below those expected for the young person's age, measured intelligence "
     "and education, for example through grammatical and punctuation errors, poor organisation of paragraphs "
     "and many spelling errors. The difficulties significantly interfere with schooling or daily activities "
     "that require writing."},
    {"Mathematics Disorder",
     "Mathematics disorder (now specific learning disorder with impairment in mathematics) is present when "
     "mathematical ability, measured by individually given standardised tests, is substantially below that "
     "expected for the young person's age, measured intelligence and education. Difficulties may lie in "
     "understanding mathematical terms and operations, recognising numerical symbols, copying numbers "
     "correctly, counting or learning multiplication tables. They significantly interfere with schooling or "
     "daily activities that require mathematics."},
    {"Reading Disorder",
     "Reading disorder (now specific learning disorder with impairment in reading) is present when reading "
     "accuracy or comprehension, measured by individually given standardised tests, is substantially below "
     "that expected for the young person's age, measured intelligence and education. Oral reading may show "
     "distortions, substitutions or omissions, and reading is slow and error-prone. The difficulties "
     "significantly interfere with schooling or daily activities that require reading and exceed those "
     "usually associated with any sensory deficit present."},
}};

constexpr std::array<GuideSection, 2> kPervasive = {{
    {"Asperger's Disorder",
     "Asperger's disorder (now autism spectrum disorder) is a qualitative impairment in social interaction "
     "(at least two of: impaired use of nonverbal behaviours such as eye contact and gesture, difficulty "
     "forming peer relationships suited to the developmental level, lack of spontaneous sharing of enjoyment "
     "or interests, and lack of social or emotional reciprocity) with at least one restricted, repetitive "
     "and stereotyped pattern of behaviour, interests or activities. Unlike autistic disorder, there is no "
     "clinically significant delay in language or cognitive development."},
    {"Autistic Disorder",
     "Autistic disorder (now autism spectrum disorder) is shown by at least six symptoms across three areas: "
     "impaired social interaction (at least two), impaired communication (at least one, such as delayed or "
     "absent speech, difficulty starting or keeping up a conversation, stereotyped or idiosyncratic "
     "language, or lack of make-believe play) and restricted, repetitive and stereotyped behaviour, "
     "interests or activities (at least one). Delay or abnormal functioning in social interaction, social "
     "language or imaginative play begins before age 3."},
}};

constexpr std::array<GuideSection, 3> kTic = {{
    {"Tic Disorder-Motor",
     "A motor tic is a sudden, rapid, recurrent, non-rhythmic, stereotyped movement such as eye blinking, "
     "grimacing or shoulder shrugging. Motor tics alone, many times a day nearly every day or intermittently "
     "for more than 1 year without a tic-free period of more than 3 consecutive months, form a chronic motor "
     "tic disorder (now persistent motor tic disorder). Tics lasting at least 4 weeks but no longer than 12 "
     "consecutive months form a transient tic disorder (now provisional tic disorder), whose tics may be "
     "motor, vocal or both. Onset is before age 18."},
    {"Tic Disorder-Vocal",
     "A vocal tic is a sudden, rapid, recurrent, non-rhythmic, stereotyped sound or utterance such as throat "
     "clearing, sniffing, grunting or repeating words. Vocal tics alone, many times a day nearly every day "
     "or intermittently for more than 1 year without a tic-free period of more than 3 consecutive months, "
     "form a chronic vocal tic disorder (now persistent vocal tic disorder). Tics of 4 weeks to 12 months "
     "form a transient (now provisional) tic disorder, whose tics may be motor, vocal or both. Onset is "
     "before age 18."},
    {"Tourette's Disorder",
     "Tourette's disorder is characterised by multiple motor tics and one or more vocal tics, present at "
     "some time during the illness though not necessarily together. The tics occur many times a day, usually "
     "in bouts, nearly every day or intermittently for more than 1 year, without a tic-free period of more "
     "than 3 consecutive months. Onset is before age 18, and the tics are not caused by a substance or a "
     "general medical condition."},
}};

constexpr std::array<DefinitionGroup, 4> kPage6 = {{
    {"Anxiety Disorders", kAnxiety},
    {"Attention-Deficit and Disruptive Behaviour Disorders", kAttentionDisruptive},
    {"Communication Disorders", kCommunication},
    {"Depressive Disorders", kDepressive},
}};

constexpr std::array<DefinitionGroup, 4> kPage7 = {{
    {"Eating Disorders", kEating},
    {"Learning Disorders", kLearning},
    {"Pervasive Developmental Disorders", kPervasive},
    {"Tic Disorders", kTic},
}};

constexpr std::array<GuideSection, 11> kGuidelines = {{
    {"Risk and Safety",
     "No item asks about suicide or self-harm, and depression is screened only as dysthymic disorder, so a "
     "\"NO\" row is no reassurance: ask the young person directly about suicidal thoughts, self-harm and low "
     "mood. Whatever the rows show, \"Items to follow up\" lists every endorsement of the items about an "
     "upsetting event (2, 7, 111), leaving home or staying out (16, 41), restrictive eating or exercise for "
     "weight (20, 79) and harm to people or animals (30, 73, 82, 88)."},
    {"What the Screen Does Not Assess",
     "The items give no time period, so the duration, onset, impairment, two-settings and exclusion criteria "
     "quoted in the definitions go unchecked. Scores are raw counts of endorsed items, without age or sex "
     "norms, and no accuracy figures exist for these cutoffs. A positive screen calls for assessment and is "
     "not a diagnosis; a negative screen rules nothing out."},
    {"Disorder Column",
     "The 23 rows screen 20 disorders in eight groups; attention-deficit/hyperactivity disorder is screened "
     "as three types and tic disorder as motor, vocal and Tourette's rows. Rows with the same number (#1 to "
     "#5) are mutually exclusive screens: for one report at most one of them can be positive. The broader "
     "screen takes precedence (the combined ADHD type over a single type, mixed receptive-expressive over "
     "expressive language disorder, autistic over Asperger's disorder, Tourette's over a motor or vocal tic "
     "disorder), and conduct disorder excludes oppositional defiant disorder, as its definition requires. "
     "Each report is screened on its own, so two reporters can make two rows of one group positive."},
    {"Positive Screen Cutoff Column",
     "Each line gives the number of endorsed items that one criterion category of the row must reach, in the "
     "order of the lines of the score columns. An item is endorsed when it was answered 3 (Regularly), 4 "
     "(Often) or 5 (Very Often); for the conduct items 15, 16, 30, 69, 73, 82 and 88 an answer of 2 "
     "(Sometimes) also counts, and a blank answer never does. \">=\" means at least, \"<\" fewer than and "
     "\"=\" exactly. {TRS>=2} is the Teacher allowance: a Teacher-report screens positive for post-traumatic "
     "stress disorder with 2 items, as two of the row's four items are not asked of teachers. For Asperger's "
     "and autistic disorder the total of the three counts is also evaluated: autistic disorder needs a total "
     "of at least 6, and Asperger's disorder is given when its first two lines are met and autistic disorder "
     "is not."},
    {"Self-Report Score Column",
     "The number of endorsed items of the Self-report in each criterion category of the row, one line per "
     "line of the cutoff; empty when no Self-report is part of the analysis. A shaded cell marks a score "
     "that is positive by the row's rule, which for Asperger's and autistic disorder includes the total. The "
     "Self wordings are written for readers of about 8 years and up: a younger child needs an adult to read "
     "the items aloud, and some items ask for self-insight that young children lack."},
    {"Parent-Report Score Column",
     "The same counts and shading for the Parent-report; empty when no Parent-report is part of the "
     "analysis."},
    {"Teacher-Report Score Column",
     "The same for the Teacher-report. Twenty items are not asked of teachers, so separation anxiety "
     "disorder, anorexia nervosa and bulimia nervosa show \"Not Assessed in the TRF\" (Teacher-Report Form) "
     "instead of a count, and post-traumatic stress disorder is positive, and shaded, with 2 items "
     "({TRS>=2})."},
    {"Cutoff Attained Column",
     "\"YES\", shaded, when at least one report screened positive for the row, otherwise \"NO\". Reports are "
     "screened separately and never pooled: the counts of different reporters are not added together."},
    {"Positive Screen Items Met Column",
     "The endorsed items of each report that screened positive for the row: Self-report items in square "
     "brackets [ ], Parent-report items in round brackets ( ) and Teacher-report items in curly brackets { "
     "}, separated by semicolons. A report that did not screen positive adds no items, even if some of its "
     "items were endorsed. The oppositional defiant disorder row lists only its own items, not the conduct "
     "items it counts; each single ADHD type lists only the items of its own type."},
    {"When Reporters Disagree",
     "A YES may rest on one reporter alone. Young people report inner states such as worry and low mood more "
     "than adults do, and adults report observable behaviour more. Teachers see the young person at school "
     "only and are not asked 20 items, so Teacher counts are not comparable with Parent or Self counts. "
     "Disagreement is information about where and to whom the difficulties show, not error."},
    {"Summary Statistics",
     "Seven items in the ORV are repeated in order to provide a test of reliability. Therefore, each report "
     "holds seven pairs of items that ask the same thing in other words: 57 and 95, 36 and 14, 86 and 37, 65 "
     "and 27, 19 and 59, 100 and 34, 49 and 89. Omega is a consistency check on at most these seven pairs, "
     "not proof that a report is reliable. A pair with a blank answer is left out; with fewer than four "
     "answered pairs \"---\" is shown. Otherwise Omega = (E - W) / n, where n is the number of answered "
     "pairs, E the number answered identically and W the sum, over the other pairs, of 0.2 times the "
     "difference between the two answers; it ranges from -1 to +1, positive values rounded to two decimals. "
     "A reporter who gives the same answer to every item scores best (1.00), and Omega cannot detect "
     "exaggeration or a reporter who hardly knows the young person. The cutoff is 0.07 (not 0.70): the "
     "Comments on Reliability say whether each report was above it (Omega greater than or equal to 0.07), "
     "below it or had too few responses. \"Reliability Attained\" YES means that at least one report passed: "
     "check the Omega of the report behind each positive row. The Number of positive screens gives, for each "
     "report, how many of the 23 rows it screened positive for; it is not a measure of severity."},
}};

}  // namespace

std::span<const DefinitionGroup> DefinitionGroupsOfPage(int page) {
    if (page == 6) return kPage6;
    if (page == 7) return kPage7;
    return {};
}

std::span<const GuideSection> InterpretationGuidelines() {
    return kGuidelines;
}

}  // namespace orva::texts::print
