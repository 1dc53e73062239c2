-- A pandoc filter that shapes a markdown document into the body of a man page:
--  * a document that opens with its only level-1 heading (a title, as the pages in docs/ do)
--    loses that heading, and its "##" sections become the page's sections;
--  * the NAME section is made from the metadata field `whatis` ("name - what it is"), which
--    is what apropos and whatis read;
--  * section headings are in capitals, as man pages have them;
--  * table columns get widths that fit an 80-column terminal, so that tbl wraps long cells
--    instead of running past the right edge.
-- Usage: pandoc -s -t man --lua-filter man_page.lua -M whatis="name - what" ...

-- An 80-column terminal leaves man 71 columns beside the section indent; tbl puts 3 columns
-- between table columns, and pandoc's man writer turns a relative width w into w*70 ens.
local kTextColumns = 71
local kColumnGap = 3
local kWriterScale = 70
-- The lines a table asks to have left on the page before it starts (see Table).
local kTableRoom = 12

local function isTitled(blocks)
  if #blocks == 0 or blocks[1].t ~= "Header" or blocks[1].level ~= 1 then
    return false
  end
  for i = 2, #blocks do
    if blocks[i].t == "Header" and blocks[i].level == 1 then
      return false
    end
  end
  return true
end

-- The width of each column's widest text and of its longest word, in characters.
local function columnWidths(tbl)
  local widest, longestWord = {}, {}
  for i = 1, #tbl.colspecs do
    widest[i], longestWord[i] = 1, 1
  end
  local function measure(rows)
    for _, row in ipairs(rows) do
      for i, cell in ipairs(row.cells) do
        if widest[i] then
          local text = pandoc.utils.stringify(cell.contents)
          widest[i] = math.max(widest[i], utf8.len(text) or #text)
          for word in text:gmatch("%S+") do
            longestWord[i] = math.max(longestWord[i], utf8.len(word) or #word)
          end
        end
      end
    end
  end
  measure(tbl.head.rows)
  for _, body in ipairs(tbl.bodies) do
    measure(body.head)
    measure(body.body)
  end
  return widest, longestWord
end

-- Every column gets its longest word, so that troff can break every line; the room left is
-- shared out fairly: the narrowest column first takes what it lacks of its widest text or an
-- equal share of what is left, whichever is less, and so on to the widest.
local function fittedWidths(widest, longestWord, room)
  local fitted, left = {}, room
  for i = 1, #widest do
    fitted[i] = longestWord[i]
    left = left - fitted[i]
  end
  local order = {}
  for i = 1, #widest do
    order[i] = i
  end
  table.sort(order, function(a, b) return widest[a] < widest[b] end)
  for rank, column in ipairs(order) do
    local extra = math.min(widest[column] - fitted[column], left / (#order - rank + 1))
    if extra > 0 then
      fitted[column] = fitted[column] + extra
      left = left - extra
    end
  end
  return fitted
end

function Table(tbl)
  local columns = #tbl.colspecs
  local room = kTextColumns - kColumnGap * (columns - 1)
  local widest, longestWord = columnWidths(tbl)
  local widths = fittedWidths(widest, longestWord, room)
  for i, spec in ipairs(tbl.colspecs) do
    tbl.colspecs[i] = { spec[1], math.floor(widths[i]) / kWriterScale }
  end
  -- Narrow cells read better ragged than stretched. The ".ne" asks for room before the
  -- table: on a terminal man renders one endless page that grows only when asked, and tbl
  -- measures each cell's block against the room left without asking first ("table text block
  -- will not fit on one page").
  return {
    pandoc.RawBlock("man", ".ad l\n.ne " .. kTableRoom .. "v"),
    tbl,
    pandoc.RawBlock("man", ".ad"),
  }
end

function Header(header)
  if header.level == 1 then
    header.content = pandoc.utils.stringify(header.content):upper()
  end
  return header
end

function Pandoc(doc)
  local blocks = doc.blocks
  if isTitled(blocks) then
    blocks:remove(1)
    blocks = blocks:walk({
      Header = function(header)
        header.level = math.max(1, header.level - 1)
        return header
      end,
    })
  end
  local whatis = doc.meta.whatis
  if whatis then
    blocks:insert(1, pandoc.Header(1, "NAME"))
    blocks:insert(2, pandoc.Para(pandoc.Str(pandoc.utils.stringify(whatis))))
  end
  -- The other filters of this file run after the headings have their final levels.
  doc.blocks = blocks
  return doc:walk({ Table = Table, Header = Header })
end

return { { Pandoc = Pandoc } }
