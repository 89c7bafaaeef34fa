"""Hand-drawn pixel pictures for the campaigns, smallest first. Each is a
name and rows of one character a cell: '.' empty, else a part (shapes.PARTS:
r red, k black, l white, w grey, y yellow, g green, n brown, b blue, o orange,
p purple, s sky, i pink). A drawing is never shown smaller than drawn."""

ART = [
    # 5 x 5
    ("Mug", """
www..
wwww.
www.w
wwww.
www..
"""),
    ("Tulip", """
r.r.r
rrrrr
.rrr.
..g..
.ggg.
"""),
    ("Table", """
nnnnn
nnnnn
n...n
n...n
n...n
"""),
    ("Ladder", """
n...n
nnnnn
n...n
nnnnn
n...n
"""),
    ("Envelope", """
yyyyy
yy.yy
y.y.y
y...y
yyyyy
"""),
    ("Cactus", """
..g..
g.g..
ggg.g
..ggg
..g..
"""),
    ("Sword", """
..w..
..w..
..w..
.nnn.
..n..
"""),
    ("Door", """
.nnn.
nnnnn
nnnyn
nnnnn
nnnnn
"""),
    ("Fence", """
n.n.n
nnnnn
n.n.n
nnnnn
n.n.n
"""),
    ("Dumbbell", """
.....
.k.k.
kkkkk
.k.k.
.....
"""),
    ("Hammer", """
kkkk.
kkkk.
.n...
.n...
.n...
"""),
    # 6 x 6 and 7 x 7
    ("Teapot", """
...k...
.wwwww.
wwwwwww
wwwwwww
.wwwww.
..www..
"""),
    ("Chess Rook", """
w.w.w.w
wwwwwww
.wwwww.
.wwwww.
.wwwww.
wwwwwww
"""),
    ("Tent", """
...g...
..ggg..
.gg.gg.
.g...g.
gg...gg
"""),
    ("Anchor", """
...b...
..bbb..
...b...
...b...
b..b..b
.bbbbb.
"""),
    ("Cherries", """
.....gg.
....g...
...g.g..
..g...g.
.rrr.rrr
.rrr.rrr
..r...r.
"""),
    ("Musical Note", """
...kk.
...k.k
...k..
...k..
.kkk..
kkkk..
.kk...
"""),
    ("Bucket", """
.kkkkk.
k.....k
kbbbbbk
.bbbbb.
.bbbbb.
..bbb..
"""),
    ("Candy", """
p.rrr.p
pprrrpp
p.rrr.p
"""),
    ("Traffic Light", """
kkk
krk
kkk
kyk
kkk
kgk
kkk
.n.
"""),
    ("Bow Tie", """
p....p
pp..pp
pppppp
pp..pp
p....p
"""),
    ("Wine Glass", """
rrrrr
rrrrr
.rrr.
..l..
..l..
.lll.
"""),
    ("Boot", """
.nnnn...
.nnnn...
.nnnn...
.nnnn...
.nnnnn..
.nnnnnnn
nnnnnnnn
kkkkkkkk
"""),
    # 8 x 8
    ("Pineapple", """
..g.g...
...gg...
..oooo..
.oyoyoo.
.ooyoyo.
.oyoyoo.
.ooyoyo.
..oooo..
"""),
    ("Ice Cream", """
..iii...
.iiiii..
.iiiii..
.yyyyy..
..yyy...
..yyy...
...y....
"""),
    ("Rubber Duck", """
..yyy...
.yykyoo.
.yyyy...
yy..yyyy
yyyyyyyy
.yyyyyy.
"""),
    ("Light Bulb", """
..yyyy..
.yyyyyy.
.yyyyyy.
.yyyyyy.
..yyyy..
...ww...
..wwww..
...ww...
"""),
    ("Padlock", """
..kkkk..
.k....k.
.k....k.
yyyyyyyy
yyykkyyy
yyykkyyy
yyyyyyyy
"""),
    ("Lighthouse", """
...rr...
..yyyy..
...rr...
...ll...
...rr...
..llll..
..rrrr..
bbbbbbbb
"""),
    ("Watering Can", """
...www...
..w...w..
wwwwwwwww
.wwwwww.w
.wwwwww.w
.wwwwww..
"""),
    ("Trophy", """
yyyyyyyy
y.yyyy.y
y.yyyy.y
.yyyyyy.
..yyyy..
...yy...
...yy...
.nnnnnn.
"""),
    ("Saucepan", """
kkkkkk....
kwwwwk....
kwwwwknnnn
kwwwwk....
.kkkk.....
"""),
    ("Screwdriver", """
.rr.....
rrr.....
rrrr....
.rr.r...
.rrrww..
....ww..
.....ww.
......w.
"""),
    ("Spade", """
.nn.
.n..
.n..
.n..
.n..
www.
wwww
wwww
.ww.
"""),
    ("Chair", """
n.....
n.....
n.....
nnnnnn
n....n
n....n
"""),
    ("Frog", """
.gg..gg.
gkgggkgg
gggggggg
grrrrrrg
.gggggg.
gg....gg
"""),
    ("Ghost", """
..llll..
.llllll.
llkllkll
llllllll
llllllll
llllllll
l.ll.ll.
"""),
    ("Pencil", """
...........
nyyyyyyyyii
..yyyyyyyii
k.yyyyyyyii
..yyyyyyyii
nyyyyyyyyii
...........
"""),
    ("Scissors", """
..w...w..
..w...w..
...w.w...
...w.w...
....w....
...r.r...
.rrr.rrr.
r..r.r..r
.rr...rr.
"""),
    ("Fish Bone", """
...w.w.w...
..w..w..w..
wwwwwwwwwwk
..w..w..w..
...w.w.w...
"""),
    ("Butterfly", """
pp.....pp
ppp...ppp
pppp.pppp
.ppp.ppp.
..pp.pp..
.ppp.ppp.
.pp...pp.
"""),
    # 9 x 9 and 10 x 10
    ("Owl", """
.n.....n.
.nnnnnnn.
nyyknyykn
nykynykyn
nnnnonnnn
nnnnnnnnn
nlnlnlnln
nnnnnnnnn
.o.....o.
"""),
    ("Cat", """
k.....k..
kk...kk..
kkkkkkk..
kgkkkgk..
kkkikkk.k
.kkkkk..k
.kkkkkkkk
.kkkkkkk.
.k.k.k.k.
"""),
    ("Dog", """
.........
n......n.
nn...kk..
nnnnnnnnk
nnnnnnnn.
nnnnnn...
n.n..n...
n.n..n...
"""),
    ("Rocket", """
....r....
...rrr...
...lll...
..llsll..
..lllll..
..lllll..
.rlllllr.
rrlllllrr
r..ooo..r
...o.o...
"""),
    ("Robot", """
....k....
..wwwww..
..wkwkw..
..wwwww..
..wrrrw..
wwwwwwwww
w.wwwww.w
..wwwww..
..ww.ww..
..ww.ww..
"""),
    ("Snowman", """
...kkk...
..kkkkk..
...lll...
..lklkl..
..llolll.
...lll...
.llrlll..
lllllllll
lllrllll.
.lllllll.
"""),
    ("Camera", """
..kkk......
kkkkkkkkkkk
kkkkwwwkkrk
kkkwwbwwkkk
kkkwbbbwkkk
kkkwwbwwkkk
kkkkwwwkkkk
kkkkkkkkkkk
"""),
    ("Axe", """
..ww.....
.wwwn....
wwwwnn...
.wwwnnn..
..ww..nn.
.......nn
........n
"""),
    ("Strawberry", """
...g.g...
..ggggg..
.rrgrgrr.
rrrrrrrrr
ryrrryrrr
rrrryrrrr
.ryrrrry.
..rrrrr..
...rrr...
"""),
    ("Pear", """
....n...
....ng..
...ggg..
..gggg..
..ggggg.
.ggggggg
gggggggg
gggggggg
.gggggg.
"""),
    ("Carrot", """
...g.g.g
....ggg.
...oogg.
..oooo..
..oooo..
.oooo...
.ooo....
oo......
o.......
"""),
    ("Banana", """
......n..
......yy.
.......y.
.......yy
......yyy
....yyyy.
yyyyyyy..
.yyyy....
"""),
    ("Grapes", """
....n....
...ngg...
..p.p.p..
.ppppppp.
..ppppp..
...ppp...
....p....
"""),
    ("Bird", """
....bbb..
...bbkbo.
bb.bbbboo
bbbbbbb..
.bbbbbb..
..bbbb...
...o.o...
"""),
    ("Turtle", """
...ggg.....
..gbgbg....
.gbgbgbg...
ggbgbgbggg.
gggggggggkg
.g.g..g.ggg
"""),
    ("Elephant", """
..wwwww...
.wwwwwwww.
wwkwwwwwww
wwwwwwwwww
w.wwwwwwww
w.ww.ww.ww
w.ww.ww.ww
"""),
    ("Whale", """
.....b.b......
......b.......
..bbbbbbb...b.
.bbbbbbbbb.bb.
bkbbbbbbbbbbb.
bbbbbbbbbbbb..
llllllbbbb....
.lllllll......
"""),
    ("Mouse", """
.ww.......
wiww......
.wwww.....
wwwwwww...
kwwwwwww..
.wwwwwww.w
..w..w..w.
"""),
    ("Snake", """
..gggg....
.gkggkg...
.gggggg...
..rgg.....
...gg.....
....gggg..
.......gg.
..ggggggg.
.gg.......
gggggggggg
"""),
    ("Crab", """
r.r....r.r
.r......r.
.r.k..k.r.
..rrrrrr..
rrrrrrrrrr
..rrrrrr..
.r.r..r.r.
r..r..r..r
"""),
    ("Mitten", """
...bbb.
..bbbbb
b.bbbbb
bbbbbbb
bbbbbbb
.bbbbbb
..lllll
..lllll
"""),
    ("Sunflower", """
..y.y.y..
.yyyyyyy.
yynnnnnyy
.ynnnnny.
yynnnnnyy
.yyyyyyy.
..y.g.y..
....g.gg.
..gggg...
....g....
"""),
    ("Windmill", """
w......w
.w....w.
..wnnw..
...nn...
..wnnw..
.wnnnnw.
w.nnnn.w
..nnnn..
..nkkn..
"""),
    ("Igloo", """
...llll...
..llwlll..
.lwllllwl.
llllwlllll
lwllllkkkl
llllllkkkl
"""),
    ("Hot Air Balloon", """
..rrrrr..
.rryyyrr.
rrryyyrrr
rrryyyrrr
rrryyyrrr
.rryyyrr.
..r...r..
...r.r...
...nnn...
...nnn...
"""),
    ("Television", """
...k...k..
....k.k...
.....k....
kkkkkkkkkk
ksssssssgk
kssssssskk
ksssssssgk
kkkkkkkkkk
.k......k.
"""),
    ("Ice Skate", """
..kk......
..kkk.....
..kkk.....
..kkkkkk..
..kkkkkkk.
..kkkkkkk.
.wwwwwwwww
"""),
    ("Bottle", """
...ss...
...ss...
...ss...
..ssss..
.ssssss.
.llllll.
.llllll.
.ssssss.
.ssssss.
"""),
    ("Dice", """
kkkkkkkkk
klllllllk
klklllklk
klllllllk
klllklllk
klllllllk
klklllklk
klllllllk
kkkkkkkkk
"""),
    ("Pirate Flag", """
kkkkkkkn
kkllkkkn
kllllkkn
kkllkkkn
klkklkkn
kkkkkkkn
.......n
.......n
.......n
"""),
    ("Jellyfish", """
..pppp..
.pppppp.
pppppppp
pppppppp
p.p..p.p
p.p..p.p
.p.p.p.p
.p..p..p
"""),
    ("Bee", """
...ll.ll..
...lllll..
.kyykkyy..
kkyykkyyk.
kkyykkyykk
.kyykkyy..
"""),
    ("Cupcake", """
....r.....
..iiiii...
.iiiiiii..
iiiiiiiii.
oooooooo..
.onononn..
.onononn..
..nnnnn...
"""),
    ("Teddy Bear", """
nn.......nn
nnnnnnnnnnn
.nnknnnknn.
.nnnoooonn.
..nnokonn..
...nnnnn...
.nnnnnnnnn.
nnnooooonnn
nnnooooonnn
.nnnnnnnnn.
.nnn...nnn.
"""),
    ("Hamburger", """
...oooo...
.oolooloo.
oooooooooo
gggggggggg
yyyyyyyyyy
rrrrrrrrrr
kkkkkkkkkk
oooooooooo
.oooooooo.
"""),
    ("Mailbox", """
.bbbbbb.r
bbbbbbbbr
bkkkkkbrr
bkkkkkb.r
bbbbbbb..
...nn....
...nn....
...nn....
...nn....
.gggggg..
"""),
    ("Open Book", """
.llll..llll.
lllllnnlllll
lkkllnnlkkll
lllllnnlllll
lkkklnnlkkkl
lllllnnlllll
nnnnnnnnnnnn
.nnnn..nnnn.
"""),
    # 11 x 11 to 13 x 13
    ("Penguin", """
...kkkk....
..kkkkkk...
..klkklk...
..kkookk...
.kkllllkk..
kkllllllkk.
kkllllllkk.
kkllllllkk.
.kllllllk..
..kllllk...
..oo..oo...
"""),
    ("Pig", """
..i......i..
.iii....iii.
.iiiiiiiiii.
iiiiiiiiiiii
iikiiiiiikii
iiiiirriiiii
iiiiirriiiii
.iiiiiiiiii.
..ii....ii..
..ii....ii..
"""),
    ("Rabbit", """
..l..l.....
.ll.ll.....
.ll.ll.....
.ll.ll.....
.lllll.....
lklllkl....
lllilll....
.lllll.....
.llllllll..
llllllllll.
llllllllllw
.ll....ll..
"""),
    ("Treasure Chest", """
..nnnnnnnn..
.nnnnnnnnnn.
nnnnnnnnnnnn
yyyyyyyyyyyy
nnnnnykynnnn
nnnnnyyynnnn
nnnnnnnnnnnn
nnnnnnnnnnnn
yyyyyyyyyyyy
"""),
    ("Steam Train", """
......kk...........
..kkk.kk...........
rrrrrrkk..nnnnn....
rrrrrrrrr.nlllnnnnn
rrrrrrrrr.nlllnnnnn
rrrrrrrrrrnnnnnnnnn
kkkkkkkkkkkkkkkkkkk
.kk..kk.kk...kk.kk.
"""),
    ("Submarine", """
......yy......
......yy......
.....yyyy.....
..yyyyyyyyyy..
.yybybybybyyy.
yyyyyyyyyyyyyy
.yyyyyyyyyyyy.
..yyyyyyyyyy..
"""),
    ("Helicopter", """
kkkkkkkkkkk.....
.....k..........
...sssss........
..ssllsss.......
.ssllssssssssss.
.sssssssss....s.
..sssssss.......
...k...k........
.kkkkkkkkk......
"""),
    ("Town Gate", """
w.w.w.w.w.w
wwwwwwwwwww
wwwwwwwwwww
wwwwnnnwwww
wwwnnnnnwww
wwwnnnnnwww
wwwnnnnnwww
wwwnnnnnwww
"""),
    ("Tractor", """
....kkkk.....
....k..k.....
....k..k.....
..ggggggggg..
..ggggggggg..
gggggggggggg.
.kkkk....kkk.
kkwwkk..kkwkk
kwwwwk..kkkkk
kkwwkk...kkk.
.kkkk........
"""),
    ("Lion", """
..nnnnnnn..
.nnoooooon.
nnoooooooon
nnokooookon
nnoooooooon
nnooookoonn
nnoookkkonn
.nnooooonn.
..nnnnnnn..
"""),
    ("Squirrel", """
..nnnn.......
.nnnnnn......
nnnnnnn......
nnnnnn...n.n.
nnnnn...nnnn.
.nnnn..nnknnn
..nnnn.nnnnn.
...nnnnnnnn..
....nnnnnnn..
.....nnnnnn..
....nn.nn.nn.
"""),
    ("Parrot", """
...rrrr...
..rrrrrr..
..rlkrrrk.
..rrrrrkk.
..rrrrr...
.rryyyr...
.rryyyrr..
.rbbbbrr..
.rbbbbrr..
..bbbbr...
...bb.....
...bb.....
..n...n...
nnnnnnnnn.
"""),
    ("Hedgehog", """
....n.n.n....
..nnnnnnnnn..
.nnnnnnnnnnn.
nnnnnnnnnnnoo
nnnnnnnnnnoko
nnnnnnnnnooo.
.nnnnnnnoook.
..o..o..o....
"""),
    ("Giraffe", """
.......n.n
.......yyy
.......ykyy
.......yyyy
......yny..
......yyy..
......yny..
.....yyy...
.yyyyyny...
yynyyyyy...
yyyynyyy...
.yyyyyy....
.y.y..y.y..
.y.y..y.y..
"""),
    ("Fox", """
o.......o...
oo.....oo...
ooooooooo...
okoooooko...
ooolllooo...
.ooolkooo...
..ooooo.....
..oooooo..oo
..ooooooooll
...oooooool.
...o..o.....
"""),
    ("Horse", """
........nn.
.......nnnk
......nnnnn
.....nnnnkk
nnnnnnnn...
nnnnnnnn...
nnnnnnnn...
n.n...n.n..
n.n...n.n..
k.k...k.k..
"""),
    ("Sheep", """
...llll.......
..llllllll....
.llllllllllkk.
lllllllllllkkk
llllllllllllk.
.llllllllll...
..k.k...k.k...
..k.k...k.k...
"""),
    ("Cow", """
..............
l.llllllll.kk.
llkklllkklkkkk
llkklllllllkkk
lllllllkklll..
.llllllllll...
..k.k...k.k...
..k.k...k.k...
"""),
    ("Ladybird", """
.....kk.....
....kkkk....
..rrrkkrrr..
.rkrrkrrrkr.
.rrrrkrrrrr.
rrkkrrkrrkkr
rrkkrrkrrkkr
.rrrrrkrrrr.
.rkrrrkrrkr.
..rrrrkrrr..
"""),
    ("Spider", """
k.........k
.k..kkk..k.
..kkkkkkk..
kk.kkkkk.kk
..kkkkkkk..
.kkrkkrkk..
k..kkkkk..k
..k.....k..
.k.......k.
"""),
    ("Umbrella Tree", """
...ggggggg...
.ggggggggggg.
ggggggggggggg
.ggggggggggg.
.....nnn.....
......n......
......n......
......n......
....nnnnn....
"""),
    ("Watch", """
....kkk....
....kkk....
...kkkkk...
..kllllkk..
.kllklllk..
.kllkllllk.
.kllkkklk..
.kllllllk..
..kllllk...
...kkkkk...
....kkk....
....kkk....
"""),
    ("Shopping Basket", """
.....nnn.....
....n...n....
...n.....n...
nnnnnnnnnnnnn
.n.n.n.n.n.n.
.nnnnnnnnnnn.
..n.n.n.n.n..
..nnnnnnnnn..
"""),
    ("Pumpkin", """
......g......
.....gg......
..oooooooo...
.oooooooooo..
ookkooookkoo.
ooooookooooo.
oooooooooooo.
ookoooooookoo
.ookkkkkkkoo.
..oooooooo...
"""),
    ("Palm Tree", """
..gggg..gggg..
.g....gg....g.
.....gggg.....
...gg.nn.gg...
..g...nn...g..
......nn......
.......n......
.......n......
......nn......
..yyyyyyyyyy..
.yyyyyyyyyyyy.
"""),
    ("Volcano", """
.....r.r......
....r.r.r.....
.....rrr......
.....nrrn.....
....nnrnnn....
...nnnrnnnn...
..nnnnnnnnnn..
.nnnnnnnnnnnn.
nnnnnnnnnnnnnn
"""),
    ("Windsock", """
k............
krrllrrll....
krrllrrllrr..
krrllrrllrr..
krrllrrll....
k............
k............
k............
k............
"""),
    ("Church", """
......y......
.....yyy.....
......y......
.....www.....
....wwwww....
....wnnnw....
..wwwwwwwww..
.wwwwwwwwwww.
.wwsswwwssww.
.wwsswwwssww.
.wwwwnnnwwww.
.wwwwnnnwwww.
"""),
    ("Tank", """
......................
........kkkkkkkkkkkkkk
.....ggggggg..........
....ggggggggg.........
.ggggggggggggggggggg..
kkkkkkkkkkkkkkkkkkkkk.
kk.k.k.k.k.k.k.k.k.kk.
.kkkkkkkkkkkkkkkkkkk..
"""),
    # 14 x 14 and larger
    ("Racing Car", """
.........rrr........
......rrrrrr........
.....rrssrrrr.......
rrrrrrsssrrrrrrrr...
rrrrrrrrrrrrrrrrrrr.
rrrrrrrrrrrrrrrrrrrr
rkkkrrrrrrrrrkkkrrr.
kkwkkrrrrrrrkkwkk...
.kkk.........kkk....
"""),
    ("Fire Engine", """
......wwwwwwwwww.....
......w.w.w.w.w......
rrrrr.wwwwwwwwww.....
rssrr................
rssrrrrrrrrrrrrrrrrr.
rrrrrrrrrrrrrrrrrrrr.
rrrrrrrrrrrrrrrrrrrrr
rrkkkrrrrrrrrrrkkkrrr
.kkwkk.......kkkwkk..
..kkk.........kkk....
"""),
    ("Aeroplane", """
........ss..........
........sss.........
.s.......sss........
.ss......sssss......
.sssssssssssssssss..
sssssssssssssssssssk
.sssssssssssssssss..
.ss......sssss......
.s.......sss........
........sss.........
........ss..........
"""),
    ("Guitar", """
.........kk.
........kkk.
.......kk...
......kk....
.....kk.....
..ooonk.....
.ooooko.....
oooookooo...
ooook.ooo...
oooookooo...
ooooooooo...
.ooooooo....
..ooooo.....
"""),
    ("Peacock", """
....g.s.g.s.g....
...sgsgsgsgsgs...
..gsbgsbgsbgsbg..
.sgbsgbsgbsgbsgs.
..gsbgsbgsbgsbg..
...sgsgbbbgsgs...
.....gsbkbsg.....
.......bbb.......
.......bbo.......
........b........
.......bbb.......
......bbbbb......
.......y.y.......
"""),
    ("Dragon", """
..........gg......
.........gggg.....
........ggkgggg...
.........ggggrr...
...g.g...ggg......
..ggggg.ggg.......
.gggggggggg.......
gggggggggg........
.ggyyyyggg........
..gyyyyyggg.......
...ggyyygggg...g..
....g...g.gggggg..
...gg..gg...ggg...
"""),
    ("Octopus", """
....pppppp....
...pppppppp...
..pppppppppp..
..pplkpplkpp..
..pppppppppp..
..pppppppppp..
...pppppppp...
.pp.pp.pp.pp..
p..p..p..p..p.
p.p..p..p..p.p
.p..p..p..p..p
"""),
]

# Drawn for the Fill campaign only, so that its lands show pictures of their
# own besides those the two campaigns share.
FILL_ART = [
    ("Sailor Hat", """
...llll...
..llllll..
.llllllll.
.bbbbbbbb.
llllllllll
"""),
    ("Beach Ball", """
..rrll..
.rrrlll.
rrrrllll
bbbbyyyy
bbbbyyyy
.bbbyyy.
..bbyy..
"""),
    ("Flowerpot", """
..r...r.
.rrr.rrr
..r.g.r.
..g.g.g.
...ggg..
.oooooo.
..oooo..
..oooo..
"""),
    ("Kite", """
....r....
...rrr...
..rryrr..
.rryyyrr.
rryyyyyrr
.bbyyybb.
..bbybb..
...bbb...
....n....
...n.....
....n....
"""),
    ("Birthday Cake", """
..y..y..y..
..r..r..r..
..i..i..i..
.iiiiiiiii.
.ilililili.
.iiiiiiiii.
nnnnnnnnnnn
nlnlnlnlnln
nnnnnnnnnnn
"""),
    ("Sandcastle", """
....r.....
....rr....
....y.....
...yyy....
.y.yyy.y..
.yyyyyyy..
yyyyyyyyy.
yyyynyyyy.
yyyynyyyy.
bbbbbbbbbb
"""),
    ("Teacup", """
..........
.lllllll..
.lbbbbbl..
.llllllll.
.lllllll.l
.llllllll.
..lllll...
lllllllll.
"""),
    ("Christmas Tree", """
....y....
...yyy...
....g....
...ggg...
..grggg..
...ggg...
..gggbg..
.ggyggg..
ggggggrgg
....n....
...nnn...
"""),
    ("Clown Fish", """
....oo.....
...ooooo...
..olookoo.o
.oolooooooo
oooloooloo.
.oolooooooo
..ooooooo.o
...ooooo...
"""),
    ("Toadstool House", """
...rrrrr...
.rrllrrrrr.
rrrrrrrllrr
rllrrrrrrrr
...lllll...
...lbllll..
...lllnnl..
...lllnnl..
ggggggggggg
"""),
    ("Strawberry Jam", """
...rrrr...
..llllll..
..llllll..
.pppppppp.
.pirrrrip.
.prrrrrrp.
.prrllrrp.
.prrrrrrp.
.pppppppp.
"""),
    ("Rainbow", """
...rrrrrr...
..rooooooor.
.royyyyyyor.
roygggggyor.
roygbbbbgyor
roygb..bgyor
roygb..bgyor
"""),
    ("Lemon", """
.........
...yyyy..
.yyyyyyy.
yyyyyyyyy
yyyyyyyyg
.yyyyyyg.
...yyyy..
"""),
    ("Orange Slice", """
...oooooo...
..oyyyyyyo..
.oyooyyooyo.
oyoooyyoooyo
oyyyyllyyyyo
oyoooyyoooyo
.oyooyyooyo.
..oyyyyyyo..
...oooooo...
"""),
    ("Birdhouse", """
....rr....
...rrrr...
..rrrrrr..
.rrrrrrrr.
rrrrrrrrrr
.nnnnnnnn.
.nnnkknnn.
.nnkkkknn.
.nnnkknnn.
.nnnnnnnn.
....nn....
....nn....
"""),
    ("Beetle", """
..k...k..
...k.k...
...kkk...
..gkkkg..
.gggkggg.
.gggkggg.
.gggkggg.
.gggkggg.
..ggkgg..
"""),
    ("Candle Holder", """
...y...
..yoy..
...l...
..lll..
..lll..
..lll..
.yyyyy.
yy.y.yy
...y...
.yyyyy.
"""),
    ("Sunset", """
............
.....yy.....
...yyyyyy...
..yyyoooyy..
.yyoooooooy.
oooooooooooo
bbbbbbbbbbbb
bbsbbbbbsbbb
bbbbbsbbbbbb
"""),
    ("Violin", """
....n....
....n....
....n....
...ooo...
..ooooo..
...okoo..
..oooooo.
.ooooooo.
.ookkkoo.
.oooooo..
..oooo...
"""),
    ("Ice Lolly", """
..rrrr..
.rrrrrr.
.rrrrrr.
.yyyyyy.
.yyyyyy.
.bbbbbb.
.bbbbbb.
...nn...
...nn...
"""),
    ("Bunch of Balloons", """
.rr...bb..
rrrr.bbbb.
rrrr.bbbb.
.rr.yy.bb.
..ryyyy.b.
...yyyy...
...kyyk...
....kk....
....k.....
....k.....
"""),
    ("Seashell", """
....iii....
...iiiii...
..iilliii..
.iiliilii..
.ilii.iili.
.iliiliil..
..iilllii..
...iiiii...
....iii....
"""),
    ("Tomato", """
....g....
..ggggg..
.rrrgrrr.
rrrrrrrrr
rrrrrrrrr
rrrrrrrrr
.rrrrrrr.
..rrrrr..
"""),
    ("Robin", """
.....nnn...
....nnknn..
....nnnny..
..nnnrrn...
.nnnrrrr...
nnnnrrrr...
.nnnnrrr...
...nnnn....
....y.y....
"""),
    ("Wheelbarrow", """
nnnnnnnnnn..
.rrrrrrrr...
..rrrrrr....
...rrrr.....
...k..k.....
..kkk..k....
..kwk...k...
..kkk....nn.
"""),
    ("Party Hat", """
....y....
...yyy...
....p....
...ppp...
...pyp...
..ppppp..
..ypppy..
.ppppppp.
.ppyppyp.
ggggggggg
"""),
    ("Hot Chocolate", """
...l.l....
..l.l.....
...l.l....
.lllllll..
.lnnnnnl..
.lllllllll
.lllllll.l
.lllllllll
..lllll...
.lllllll..
"""),
    ("Fried Egg", """
..llll....
.llllll...
lllllllll.
llllyylll.
lllyyyylll
lllyyyyll.
.lllyylll.
..llllll..
...llll...
"""),
    ("Swiss Cheese", """
........yy
......yyyy
....yyyyyy
..yyyoyyyy
yyyyyyyyoy
yoyyyyyyyy
yyyyyoyyyy
yyoyyyyyoy
yyyyyyyyyy
"""),
    ("Juice Box", """
......w.
......w.
..ooooo.
.oooooo.
.olllllo
.olgglo.
.olgglo.
.olllllo
.oooooo.
.oooooo.
"""),
    ("Acorn Cap Gnome", """
....r....
...rrr...
..rrrrr..
.rrrrrrr.
..iiiii..
..ikiki..
..iiiii..
.lllllll.
.lllllll.
..bbbbb..
..b...b..
"""),
    ("Cupid Heart", """
.rr...rr....
rrrr.rrrr...
rrrrrrrrr...
rrrrrrrnnnnk
.rrrrrrr....
..nnrrr.....
.n..rr......
k....r......
"""),
    ("Bumblebee Hive", """
....n.....
....n.....
..yyyyy...
.ooooooo..
yyyyyyyyy.
ooooooooo.
yyyykyyyy.
.ooookoo..
..yyyyy...
"""),
    ("Koala", """
ww......ww.
wwwwwwwwww.
wwkwwwwkww.
.wwwkkkww..
.wwwkkkww..
..wwwwww...
.wwwwwwww..
wwwwwwwwww.
"""),
    ("Panda", """
kk.....kk
kllllllk.
.lllllll.
lkklllkkl
lkklllkkl
lllllllll
llllkllll
.lllllll.
..kkkkk..
"""),
    ("Flamingo", """
...ii....
..iiki...
..i..k...
..i......
..i......
..iiii...
.iiiiiii.
.iiiiii..
...i.....
...i.....
...ii....
"""),
    ("Picnic Basket", """
....nnnn....
...n....n...
..n......n..
rlrlrlrlrlrl
nnnnnnnnnnnn
n.n.n.n.n.n.
nnnnnnnnnnnn
.nnnnnnnnnn.
"""),
    ("Tulip Bouquet", """
.r..y..p.
rrryyyppp
rrryyyppp
.r..y..p.
..g.g.g..
...ggg...
...ggg...
..bbbbb..
...bbb...
"""),
    ("Treasure Map", """
oooooooooo
oyyyyyyyyo
oyyyybyyyo
oyybbbyyyo
oyyyyyyryo
oynnyyrkro
oyynyyyryo
oyyyyyyyyo
oooooooooo
"""),
    ("Gingerbread Man", """
....nnn....
...nnnnn...
...nlnln...
...nnnnn...
..nnnnnnn..
nnnnnrnnnnn
nn.nnnnn.nn
...nnrnn...
...nnnnn...
..nnn.nnn..
..nn...nn..
"""),
    ("Chick in an Egg", """
....yyy.....
...yykyy....
...yyyyoo...
...yyyyy....
.llyyyyyyll.
.llllllllll.
.ll.lll.lll.
.llllllllll.
..llllllll..
...llllll...
"""),
    ("Pencil Case", """
..r.y.b.g...
..r.y.b.g...
..r.y.b.g...
pppppppppppp
pppppppppppp
pppyyyyyyppp
pppppppppppp
pppppppppppp
"""),
    ("Toucan", """
...kkk......
..kkkkk.....
.kllkkk.....
.kkllooooyy.
.kkkloooor..
.kkkkk......
.kkkkk......
..kkkk......
...kk.......
...y.y......
nnnnnnnnn...
"""),
    ("Snow Globe", """
...bbbbbb...
..bllbbllb..
.blbbgbbblb.
.bbbgggbbbb.
.blbgggbblb.
.bbggggglbb.
..bbbnbbbb..
...bbbbbb...
..nnnnnnnn..
.nnnnnnnnnn.
"""),
    ("Hot Dog", """
......r...
.....r....
..oooooooo
.nnnnnnnnnn
nnnnnnnnnnn
.oooooooo..
"""),
]
