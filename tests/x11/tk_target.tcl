# A plain Tk text window to paste into. Its content is written to the file
# named by TK_OUT whenever it changes (and ten times a second), so a test can
# read what arrived.
wm title . tk-target
wm geometry . 400x120+40+40
text .t -width 40 -height 5
pack .t -fill both -expand 1
focus -force .t
proc write_content {} {
  set f [open $::env(TK_OUT).tmp w]
  fconfigure $f -translation lf -encoding utf-8
  puts -nonewline $f [.t get 1.0 end-1c]
  close $f
  file rename -force $::env(TK_OUT).tmp $::env(TK_OUT)
}
proc dump {} {
  write_content
  after 100 dump
}
bind .t <<Modified>> {write_content; .t edit modified 0}
after 100 dump
