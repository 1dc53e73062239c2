define br=!(0.2)F
axiom=Xbr
steps=1
X->st[+br]stX
define st=F
define st=G
