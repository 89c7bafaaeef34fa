-- The layout fuzz target's script: runs a little of everything scripts may use.
count = 0
function start()
  local words = {}
  for i = 1, 5 do words[i] = string.rep("ab", i) end
  count = #table.concat(words, ",") + (string.find("one.two", ".", 1) or 0)
end
function update()
  count = count + 1
end
