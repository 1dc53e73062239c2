# scratch checker (removed when done)
import sys, math, struct, re
def f32(x):
    try: return struct.unpack('f', struct.pack('f', x))[0]
    except OverflowError: return float('inf') if x>0 else float('-inf')
KEYS=["define ","->","axiom=","gamma=","steps=","ignore=","consider="]
def isalnum(ch): return ch.isascii() and ch.isalnum()
def scan(line,pos):
    isd=lambda c: c.isdigit() or c=='.'
    if pos>=len(line) or not isd(line[pos]):
        print("parser number not found"); return 0.0
    l=pos
    while l-1>=0 and isd(line[l-1]): l-=1
    r=pos
    while r<len(line) and isd(line[r]): r+=1
    t=line[l:r]
    if t.count('.')>0 and t.strip('.')=='' : return 0.0
    return f32(float(t.rstrip('.') or '0'))
def skip(line,pos):
    if pos>=len(line) or not line[pos].isdigit(): return 0
    while pos<len(line) and (line[pos].isdigit() or line[pos]=='.'): pos+=1
    return pos
def parse_modules(line,i=6):
    mods=[]
    while True:
        if i>=len(line) or line[i]=='\n': break
        ended=False
        while i<len(line) and line[i] in ',(':
            i+=1
            v=scan(line,i); mods[-1][1].append(v)
            k=skip(line,i)
            if k: i=k
        if i>=len(line) or line[i]=='\n': break
        if line[i] not in '\n,)': mods.append([line[i],[]])
        i+=1
    return mods
class Rule: pass
def parse_rule(text):
    R=Rule()
    arrow=text.find('->')
    if arrow<0: arrow=len(text)
    depth=0; lp=rp=cp=0; syms=[]
    for c in range(arrow):
        ch=text[c]
        if ch=='(': depth+=1
        if ch==')': depth-=1
        if depth==0:
            if ch=='<': lp=c
            elif ch=='>': rp=c
            elif ch==':': cp=c
            if ch not in '<>):' and len(syms)<4: syms.append(c)
    R.lc=R.rc=None
    if lp==0:
        R.pred=text[syms[0]]; 
        if rp: R.rc=text[syms[1]]
        ps=syms[0]
    else:
        R.lc=text[syms[0]]; R.pred=text[syms[1]]
        if rp: R.rc=text[syms[2]]
        ps=syms[1]
    groups=[]
    if lp: groups.append(text[syms[0]+2:lp-1])
    end=[x for x in (rp,cp,arrow) if x][0]
    groups.append(text[ps+2:end-1])
    if rp: groups.append(text[rp+3:(cp if cp else arrow)-1])
    R.names=[n for g in groups if g for n in g.split(',')]
    R.conds=text[cp+2:arrow-1].split(',') if cp else []
    succ=[]; depth=0; start=0
    for c in range(arrow+2,len(text)):
        ch=text[c]
        if ch=='(':
            depth+=1
            if depth==1: start=c+1
        elif ch==')':
            depth-=1
            if depth==0: succ[-1][1].append(text[start:c])
        if depth==1 and ch==',':
            succ[-1][1].append(text[start:c]); start=c+1
        if depth==0 and ch!=')' and ch!='(' : succ.append([ch,[]])
        if depth<0: break
    R.succ=succ
    return R
def ev(expr,names,vals):
    e=expr.replace('<=','@LE@').replace('>=','@GE@').replace('!=','@NE@')
    e=e.replace('=','==').replace('@LE@','<=').replace('@GE@','>=').replace('@NE@','!=')
    env={n:v for n,v in zip(names,vals)}
    try: r=eval(e,{"__builtins__":{}},env)
    except ZeroDivisionError: r=0.0
    return float(r)
def load(path):
    raw=open(path,encoding='latin1').read()
    lines=[l+'\n' for l in raw.split('\n')]
    if raw.endswith('\n'): lines=lines[:-1]
    defs=[]
    for l in lines:
        if 'define ' in l:
            eq=l.find('=',7)
            defs.append((l[7:eq], l[eq+1:].rstrip('\n')))
    L=dict(axiom=[],gamma=45.0,steps=5,consider=False,ctx=[],rules=[])
    for l in lines:
        for k in KEYS:
            if k in l and not l.startswith(k) and k!='->':
                print("WARNING key",repr(k),"not at line start:",repr(l))
        if '->' in l:
            body=l.rstrip('\n'); out=''; c=0
            while c<len(body):
                if c>0 and isalnum(body[c-1]): out+=body[c]; c+=1; continue
                for n,v in defs:
                    if body.startswith(n,c) and not (c+len(n)<len(body) and isalnum(body[c+len(n)])):
                        out+=v; c+=len(n); break
                else:
                    out+=body[c]; c+=1
            if ' ' in out: print("WARNING blank in rule", repr(out))
            L['rules'].append(parse_rule(out))
        if 'axiom=' in l: L['axiom']=parse_modules(l,6)
        if 'gamma=' in l: L['gamma']=scan(l,6)
        if 'steps=' in l: L['steps']=int(scan(l,6))
        if 'ignore=' in l: L['consider']=False; L['ctx']+=list(l[7:])
        if 'consider=' in l: L['consider']=True; L['ctx']+=list(l[9:])
    return L
def passed_over(L,sym):
    listed= sym in L['ctx']
    return listed if not L['consider'] else not listed
def find_left(L,s,i,c):
    p=i-1
    while True:
        if p<0: return None
        while True:
            while s[p][0]=='[' and p>0: p-=1
            if s[p][0]==']':
                while p>=0 and s[p][0]!='[': p-=1
                p-=1
                if p<0: return None
                if s[p][0]==']': continue
            break
        if s[p][0]==c: return p
        if not passed_over(L,s[p][0]): return None
        p-=1
def find_right(L,s,n,c):
    q=n+1
    while True:
        if q>=len(s): return None
        if s[q][0]==']': return None
        if s[q][0]=='[':
            r=find_right(L,s,q,c)
            if r is not None: return r
            k=q+1
            while k<len(s) and s[k][0]!=']': k+=1
            if k<len(s):
                r=find_right(L,s,k,c)
                if r is not None: return r
        if s[q][0]==c: return q
        if not passed_over(L,s[q][0]): return None
        q+=1
def derive(L, verbose=False):
    s=L['axiom']
    gens=[]
    for step in range(L['steps']):
        t=[]
        for i,m in enumerate(s):
            for R in L['rules']:
                if R.pred!=m[0]: continue
                lm=rm=None
                if R.lc is not None:
                    lm=find_left(L,s,i,R.lc)
                    if lm is None: continue
                if R.rc is not None:
                    rm=find_right(L,s,i,R.rc)
                    if rm is None: continue
                vals=[]
                if lm is not None: vals+=s[lm][1]
                vals+=m[1]
                if rm is not None: vals+=s[rm][1]
                ok=True
                for cnd in R.conds:
                    if ev(cnd,R.names,vals)==0.0: ok=False
                if not ok: continue
                for sym,exprs in R.succ:
                    t.append([sym,[f32(ev(e,R.names,vals)) for e in exprs]])
                break
            else:
                t.append([m[0],list(m[1])])
        s=t
        gens.append(s)
    return s,gens
def fmt(s):
    return ''.join(m[0]+('('+','.join('%f'%v for v in m[1])+')' if m[1] else '') for m in s)
def cross(a,b): return [a[1]*b[2]-a[2]*b[1],a[2]*b[0]-a[0]*b[2],a[0]*b[1]-a[1]*b[0]]
def norm(v):
    s=1/math.sqrt(sum(x*x for x in v)); return [x*s for x in v]
def rot(t,ax,v):
    x,y,z=ax; c=math.cos(t); s=math.sin(t)
    M=[[x*x+(1-x*x)*c,(1-c)*x*y-z*s,(1-c)*x*z+y*s],[(1-c)*x*y+z*s,y*y+(1-y*y)*c,(1-c)*y*z-x*s],[(1-c)*x*z-y*s,(1-c)*y*z+x*s,z*z+(1-z*z)*c]]
    return [sum(M[i][j]*v[j] for j in range(3)) for i in range(3)]
def turtle(L,s):
    k=3.141592654/180; g=L['gamma']
    pos=[0.0,0,0]; w=f32(0.1); sw=w; U=[1.0,0,0]; H=[0.0,0,1]; Lv=[0.0,1,0]
    stack=[]; segs=[]; polys=[]; pm=False; cur=None; vc=0; minz=maxz=0.0
    ext=[1e30,-1e30,1e30,-1e30,1e30,-1e30]; maxdepth=0; under=0
    def upd(z):
        nonlocal minz,maxz
        if maxz<z: maxz=f32(z)
        if minz>z: minz=f32(z)
    def exts(p):
        for i in range(3):
            ext[2*i]=min(ext[2*i],p[i]); ext[2*i+1]=max(ext[2*i+1],p[i])
    minw=1e9; maxw=0
    for sym,pr in s:
        has=bool(pr); p=pr[0] if has else None
        a=p if has else g; d=p if has else 1.0
        if sym=='F':
            upd(pos[2]); st=list(pos); pos=[pos[i]+d*H[i] for i in range(3)]
            segs.append((st,list(pos),sw,w)); exts(st); exts(pos); sw=w
            minw=min(minw,w); maxw=max(maxw,w)
        elif sym=='G': upd(pos[2]); pos=[pos[i]+d*H[i] for i in range(3)]
        elif sym=='f':
            pos=[pos[i]+d*H[i] for i in range(3)]
            if pm: vc+=1; upd(pos[2]); cur.append(list(pos)); exts(pos)
        elif sym=='.':
            if pm: vc+=1; cur.append(list(pos)); exts(pos)
        elif sym in '+-':
            t=(-a if sym=='+' else a)*k; H=norm(rot(t,U,H)); Lv=norm(rot(t,U,Lv))
        elif sym in '&^':
            t=(a if sym=='&' else -a)*k; H2=rot(t,Lv,H); U=norm(rot(t,Lv,U)); H=norm(H2)
        elif sym in '\\/':
            t=(a if sym=='\\' else -a)*k; L2=rot(t,H,Lv); U=norm(rot(t,H,U)); Lv=norm(L2)
        elif sym=='|':
            H,Lv=rot(3.141592654,U,H),rot(3.141592654,U,Lv)
        elif sym=='$':
            Lv=cross(H,[0,0,1]); U=cross(H,Lv)
            if U[2]<0: U=[-x for x in U]; Lv=[-x for x in Lv]
        elif sym=='[': stack.append((U,H,Lv,list(pos),w,sw)); maxdepth=max(maxdepth,len(stack))
        elif sym==']':
            if stack: U,H,Lv,pos,w,sw=stack.pop()
            else: under+=1
        elif sym=='!': sw=w; w=f32(p) if has else f32(0.1)
        elif sym=='{': pm=True; cur=[]; vc=0
        elif sym=='}':
            if vc>2: pm=False; polys.append(cur)
    vd=f32((maxz-minz)*1.2); vh=f32(vd/2+minz)
    return dict(segs=len(segs),polys=len(polys),polyverts=sorted(set(len(q) for q in polys)),
        minz=minz,maxz=maxz,vd=vd,vh=vh,ext=ext,maxdepth=maxdepth,under=under,minw=minw,maxw=maxw,seglist=segs,polylist=polys)
def pov(r,path):
    m=lambda p:'<%f,%f,%f>'%(f32(p[1]),f32(p[2]),-f32(p[0]))
    with open(path,'w') as o:
        o.write('#include "colors.inc"\n')
        o.write('light_source { <%f, %f, %f> color White}\n\n'%((2*r['vd'],)*3))
        for st,en,sw,w in r['seglist']:
            o.write('cone {\n%s,%f\n%s,%f\npigment {color red 1 green 1 blue 1}\n}\n'%(m(st),sw,m(en),w))
            o.write('sphere {\n%s,%f\npigment {color red 1 green 1 blue 1}\n}\n'%(m(en),w))
        for q in r['polylist']:
            c=[sum(v[i] for v in q)/len(q) for i in range(3)]; prev=q[-1]
            for v in q:
                o.write('triangle {\n%s,%s,%s\npigment { color red 0 green 0.957031 blue 0}\n}\n'%(m(prev),m(c),m(v))); prev=v
        o.write('camera {location  <1, %f, %f>\nlook_at   <0, %f,  0>\n}\n'%(r['vh'],r['vd'],r['vh']))
if __name__=='__main__':
    for path in sys.argv[1:]:
        if path.endswith('.pov'): continue
        L=load(path)
        s,gens=derive(L)
        r=turtle(L,s)
        ys=r['ext']
        H=r['maxz']-r['minz']
        print("%-28s steps=%d len=%d segs=%d polys=%d pv=%s H=%.2f y=[%.2f,%.2f] x=[%.2f,%.2f] halfw_vis=%.2f depth=%d under=%d w=[%.3f,%.3f]"%(
            path.split('/')[-1],L['steps'],len(s),r['segs'],r['polys'],r['polyverts'],H,ys[2],ys[3],ys[0],ys[1],0.665*r['vd'],r['maxdepth'],r['under'],r['minw'],r['maxw']))
        if '--gens' in sys.argv[-1:]: pass
        if len(sys.argv)>2 and sys.argv[-1]=='--pov' : pass
