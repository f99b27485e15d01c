-- wrk: a stream of accepted submissions, each a game of its own (account, points and key),
-- built as the game builds them. SCORES_MONTH is the date number, SCORES_ACCOUNTS the number of
-- accounts "bench 0" .. "bench N-1", each with the password "bench-password".
local threads = 0
local month = tonumber(os.getenv("SCORES_MONTH"))
local accounts = tonumber(os.getenv("SCORES_ACCOUNTS"))

function setup(thread)
   thread:set("id", threads)
   threads = threads + 1
end

local counter = 0

function init(args)
   counter = 0
end

function request()
   local g = counter * 16 + id
   counter = counter + 1
   local account = g % accounts
   local points = 1 + math.floor(g / accounts) % 649
   local r = 1 + g % 9
   local key = r .. (1000 - points - 11 * r) .. (9999 - month - r) .. (712 - r)
   local path = "/highscore/send?user=bench%20" .. account .. "&pass=bench-password&ver=700&rev=3" ..
      "&date=" .. month .. "&points=" .. points .. "&key=" .. key .. "&lan=English" ..
      "&screen=1280x1024&os=N%2FA"
   return wrk.format("GET", path)
end
